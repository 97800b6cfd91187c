// The stored options: LeadingNumber and the rounding to 16 bits on any text, and
// LoadSettings on a store holding any texts for the eight values. Whatever was loaded
// must survive a save and a second load unchanged and without a message.
// Input: up to eight texts separated by NUL, in the order FontName, FontSize, Show,
// OrderBy, OrderAZ, MarginLeft, MarginTop, MarginBottom; switch bit n set: value n absent.

#include "fuzz/FuzzText.h"
#include "options/Settings.h"
#include "tests/Doubles.h"

#include <cmath>

using namespace tamsoret;
using namespace tamsoret::fuzz;

namespace {

const char *const ValueNames[] = {"FontName", "FontSize", "Show",      "OrderBy",
                                  "OrderAZ",  "MarginLeft", "MarginTop", "MarginBottom"};

void CheckNumber(const QString &text)
{
    const double value = LeadingNumber(text);
    if (std::isnan(value))
        Broken("LeadingNumber gave NaN");
    const std::optional<qint16> rounded = RoundToInt16(value);
    if (rounded) {
        const double difference = double(*rounded) - value;
        if (std::fabs(difference) > 0.5)
            Broken("rounding moved a number by more than one half");
        if (std::fabs(difference) == 0.5 && *rounded % 2 != 0)
            Broken("a half was not rounded to the even neighbour");
    } else if (value >= -32768.5 && value < 32767.5) {
        Broken("a number within the 16-bit range was refused");
    }
}

bool Same(const ListOptions &a, const ListOptions &b)
{
    return a.ShowName == b.ShowName && a.ShowDOS == b.ShowDOS && a.ShowSize == b.ShowSize &&
           a.ShowTime == b.ShowTime && a.ShowAttr == b.ShowAttr && a.OrderBy == b.OrderBy &&
           a.OrderAZ == b.OrderAZ && a.MarginLeft == b.MarginLeft && a.MarginTop == b.MarginTop &&
           a.MarginBottom == b.MarginBottom;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 8192)
        return 0;
    const Input input = Decode(data, size);
    const QStringList texts = Fields(input.text);

    test::MemorySettingsStore store;
    for (int i = 0; i < 8 && i < texts.size(); ++i) {
        CheckNumber(texts[i]);
        if (!(input.switches & (1u << (i % 7))) || i == 7)
            store.values.insert(test::MemorySettingsStore::path(SettingsAppName, SettingsSection,
                                                                 QString::fromLatin1(ValueNames[i])),
                                texts[i]);
    }

    ListOptions options;
    ListingFont font;
    const QStringList messages = LoadSettings(store, options, font);
    if (messages.size() > 8)
        Broken("more messages than values");
    for (const QString &message : messages) {
        bool named = false;
        for (const char *name : ValueNames)
            named = named || message.contains(QString::fromLatin1(name));
        if (!named)
            Broken("a message does not name its value");
    }
    if (!std::isfinite(font.size))
        Broken("a font size that is not a number");

    test::MemorySettingsStore saved;
    SaveSettings(saved, options, font);
    ListOptions reloaded;
    ListingFont reloadedFont;
    reloaded.ShowName = !options.ShowName; // so that a value not read would show
    if (!LoadSettings(saved, reloaded, reloadedFont).isEmpty())
        Broken("saved options could not be read back");
    if (!Same(options, reloaded) || reloadedFont.name != font.name ||
        reloadedFont.size != font.size)
        Broken("saved options read back differently");
    return 0;
}
