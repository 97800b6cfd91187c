#include "platform/FontFamilies.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <set>
#include <string>

namespace tamsoret {

namespace {

using Pattern = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;

// The families fontconfig would look for, in order, when asked for this one.
std::set<std::string> SubstitutedFamilies(const QByteArray &family)
{
    Pattern pattern(FcPatternCreate(), FcPatternDestroy);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8 *>(family.constData()));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    std::set<std::string> families;
    FcChar8 *name = nullptr;
    for (int i = 0; FcPatternGetString(pattern.get(), FC_FAMILY, i, &name) == FcResultMatch; ++i)
        families.insert(reinterpret_cast<const char *>(name));
    return families;
}

bool Installed(const std::string &family)
{
    Pattern pattern(FcPatternCreate(), FcPatternDestroy);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8 *>(family.c_str()));
    std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> fields(
        FcObjectSetBuild(FC_FAMILY, nullptr), FcObjectSetDestroy);
    std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(
        FcFontList(nullptr, pattern.get(), fields.get()), FcFontSetDestroy);
    return fonts && fonts->nfont > 0;
}

} // namespace

bool FontFamilyKnown(const QString &family)
{
    if (!FcInit()) return true; // without fontconfig nothing can be told: let the font engine decide
    const QByteArray name = family.trimmed().toUtf8();
    if (name.isEmpty()) return false;
    if (Installed(name.toStdString())) return true;
    // Every name, known or not, ends in the same generic fallbacks: those of a name no font
    // has. A family that maps to an installed one beyond those, through an alias, is known.
    const std::set<std::string> fallbacks = SubstitutedFamilies("tamsoret no such family");
    for (const std::string &substitute : SubstitutedFamilies(name))
        if (!fallbacks.count(substitute) && Installed(substitute)) return true;
    return false;
}

} // namespace tamsoret
