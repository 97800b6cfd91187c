#include "options/ListOptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace tamsoret {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAText)
{
    struct Case
    {
        const char16_t *text;
        double value;
    };
    const Case cases[] = {
        {u"20", 20},
        {u"20mm", 20},
        {u"15 mm", 15},
        {u"abc", 0},
        {u"", 0},
        {u"x", 0},
        {u".", 0},
        {u"-", 0},
        {u"+", 0},
        {u"--1", 0},
        {u"-3.5", -3.5},
        {u"+4", 4},
        {u".5", 0.5},
        {u"-.25", -0.25},
        {u"5.", 5},
        {u"2.5.3", 2.5},
        {u"10,5", 10},
        {u"1e3", 1000},
        {u"1E-2", 0.01},
        {u"2.5e+1x", 25},
        {u"1e", 1},
        {u"1e+", 1},
        {u"7e-", 7},
        {u"1 2 3", 123},
        {u"\t4\n2", 42},
        {u" - 1 . 5 e 1 ", -15},
        {u"1\r2", 1},
        {u"\u00A012", 0},
        {u"٣", 0},
        {u"0x10", 0},
        {u"32767.5", 32767.5},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(LeadingNumber, GivesAnInfinityForANumberBeyondTheRangeOfADouble)
{
    EXPECT_EQ(LeadingNumber(u"1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber(u"-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber(u"1e-999"), 0.0);
}

TEST(RoundToInt16, RoundsHalvesToEvenAndRefusesWhatDoesNotFit)
{
    struct Case
    {
        double value;
        std::optional<qint16> rounded;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {2.5, 2},           {3.5, 4},           {-2.5, -2},    {-3.5, -4},   {0.5, 0},
        {-0.5, 0},          {1.4999, 1},        {1.5001, 2},   {7, 7},       {0, 0},
        {32767, 32767},     {32767.4, 32767},   {32767.5, {}}, {32768, {}},  {-32768, -32768},
        {-32768.5, -32768}, {-32768.6, {}},     {1e10, {}},    {-1e300, {}}, {inf, {}},
        {-inf, {}},         {std::nan(""), {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(RoundToInt16(c.value), c.rounded) << c.value;
}

TEST(PointSizeText, WritesNoSuperfluousDigits)
{
    struct Case
    {
        float size;
        const char *text;
    };
    const Case cases[] = {
        {10.0f, "10"}, {10.5f, "10.5"}, {8.25f, "8.25"},    {10.1f, "10.1"},
        {0.5f, "0.5"}, {72.0f, "72"},   {1e7f, "10000000"}, {9.75f, "9.75"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PointSizeText(c.size).toStdString(), c.text);
}

TEST(PointSizeText, ReadsBackAsTheSameSize)
{
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> sizes(1.0f, 1638.0f);
    for (int i = 0; i < 20000; ++i) {
        const float size = i % 2 ? sizes(rng) : std::round(sizes(rng) * 4.0f) / 4.0f;
        const QString text = PointSizeText(size);
        ASSERT_EQ(float(LeadingNumber(text)), size) << text.toStdString();
        ASSERT_FALSE(text.contains(u'e')) << text.toStdString();
        if (text.contains(u'.')) {
            ASSERT_FALSE(text.endsWith(u'0')) << text.toStdString();
        }
    }
}

} // namespace
} // namespace tamsoret
