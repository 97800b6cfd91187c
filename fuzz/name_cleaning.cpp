// StripNul and NiceCase on any text, NUL characters included.
// Input: the text (the switches are not used).

#include "fuzz/FuzzText.h"
#include "listing/NameCleaning.h"

using namespace tamsoret;
using namespace tamsoret::fuzz;

namespace {

bool IsMixedCase(const QString &text)
{
    bool capital = false;
    bool small = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
            ++i;
        }
        capital = capital || QChar::toLower(c) != c;
        small = small || QChar::toUpper(c) != c;
    }
    return capital && small;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 8192)
        return 0;
    const QString text = Decode(data, size).text;

    const QString stripped = StripNul(text);
    if (stripped.contains(QChar(u'\0')))
        Broken("StripNul kept a NUL");
    if (stripped.startsWith(u' ') || stripped.endsWith(u' '))
        Broken("StripNul kept a blank at an end");
    if (!text.section(QChar(u'\0'), 0, 0).contains(stripped))
        Broken("StripNul made text that was not before the first NUL");
    if (StripNul(stripped) != stripped)
        Broken("StripNul is not idempotent");

    const QString nice = NiceCase(text);
    if (nice.contains(QChar(u'\0')))
        Broken("NiceCase kept a NUL");
    if (IsMixedCase(stripped)) {
        if (nice != stripped)
            Broken("NiceCase changed a mixed-case name");
    } else {
        const qsizetype expected = std::min<qsizetype>(Characters(stripped), 256);
        if (Characters(nice) != expected)
            Broken("NiceCase changed the number of characters other than by the cut");
    }
    if (nice.isEmpty() != stripped.isEmpty())
        Broken("NiceCase emptied or filled a name");
    return 0;
}
