#include "platform/Ansi.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

namespace tamsoret {
namespace {

TEST(Windows1252, EncodesEveryAssignedByteBackToItself)
{
    // ICU's own table of the code page is the independent witness.
    QStringDecoder decoder("windows-1252");
    ASSERT_TRUE(decoder.isValid());
    int checked = 0;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D)
            continue; // unassigned
        const QString text = decoder.decode(QByteArray(1, char(byte)));
        ASSERT_EQ(text.size(), 1) << byte;
        EXPECT_EQ(ToWindows1252(text), QByteArray(1, char(byte))) << "byte " << byte;
        ++checked;
    }
    EXPECT_EQ(checked, 251);
}

TEST(Windows1252, ReplacesWhatTheCodePageLacksWithOneQuestionMark)
{
    struct Case
    {
        const char16_t *text;
        const char *bytes;
    };
    const Case cases[] = {
        {u"Caf\u00E9 \u20AC5", "Caf\xE9 \x80"
                               "5"},
        {u"\u03A9mega", "?mega"},
        {u"\u0081\u008D\u009D", "???"}, // control codes where the code page has none
        {u"a\U0001F600b", "a?b"},       // one character outside the basic plane
        {u"\u4E2D\u6587", "??"},
        {u"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ToWindows1252(QStringView(c.text)), QByteArray(c.bytes))
            << QString::fromUtf16(c.text).toStdString();
}

TEST(Windows1252, ReplacesLoneSurrogatesToo)
{
    QString text = QStringLiteral("x");
    text += QChar(0xD83D);
    text += QStringLiteral("y");
    text += QChar(0xDE00);
    text += QChar(0xD83D); // a high surrogate at the very end
    EXPECT_EQ(ToWindows1252(text), QByteArray("x?y??"));
}

TEST(Windows1252, AppendsToWhatIsThere)
{
    QByteArray out("ab");
    AppendWindows1252(out, u"\u2122\r\n");
    EXPECT_EQ(out, QByteArray("ab\x99\r\n"));
}

} // namespace
} // namespace tamsoret
