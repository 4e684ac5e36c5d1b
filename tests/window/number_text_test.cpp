#include "number_text.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>
#include <QChar>

namespace {

struct Accepted {
    const char* text;
    double value;
};

TEST(TextToNumber, AcceptsDigitsSignBlanksAndEitherDecimalSign) {
    // clang-format off
    const Accepted cases[] = {
        {"2000", 2000},    {" 2000 ", 2000},  {"\t12\t", 12},    {"+5", 5},      {"-3", -3},
        {" - 3 ", -3},     {"1582.4", 1582.4}, {"1582,4", 1582.4}, {".5", 0.5},   {",5", 0.5},
        {"5.", 5},         {"007", 7},         {"-0", 0},         {"0.000", 0},   {"99.9", 99.9},
        {"2100.1", 2100.1}, {"32767.5", 32767.5}, {"123456789012345678901234567890", 1.2345678901234568e29},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto value = textToNumber(c.text);
        ASSERT_TRUE(value.has_value()) << '"' << c.text << '"';
        EXPECT_EQ(*value, c.value) << '"' << c.text << '"';
        EXPECT_FALSE(std::signbit(*value) && *value == 0) << "negative zero from " << c.text;
    }
}

TEST(TextToNumber, RejectsEverythingElse) {
    // clang-format off
    const char* cases[] = {
        "",    "   ",  "-",     "+",   ".",    ",",      "- ",   "+.",     "1e3",   "1E3",  "1.2.3",
        "1,2.3", "12a", "a12",  "1 2", "--1",  "+-1",    "0x10", "1_000",  "1'000", "inf",  "nan",
        "1-",  "٣",    "1\n2",  "Ⅻ",   "1 000", "2000 jaar", "\xff", "1.5e", "-.", "12..",
    };
    // clang-format on
    for (const char* text : cases) EXPECT_FALSE(textToNumber(text).has_value()) << '"' << text << '"';
    EXPECT_FALSE(textToNumber(std::string_view("12\0"
                                               "3",
                                               4))
                     .has_value());
}

// Texts pasted from spreadsheets and web pages: line breaks, no-break spaces and
// invisible marks read as blanks where a blank may stand, and nowhere else.
TEST(TextToNumber, PastedWhiteSpaceAndInvisibleMarks) {
    // clang-format off
    const Accepted accepted[] = {
        {"1700\r\n", 1700},            {"1700\n", 1700},              {"\v\f1700\r", 1700},
        {"\u00a01582\u00a0", 1582},    {"\u202f2000", 2000},          {"\u3000\u30001999", 1999},
        {"\u200b1700\u200b", 1700},    {"\ufeff1700", 1700},          {"\u200e1582.5\u200f", 1582.5},
        {"-\u00a012", -12},            {"+\u200b\u20607", 7},        {"\u2066\u2067-\u2069 3\u2069", -3},
        {"\u061c12\u061c", 12},        {"\u202a\u202e12\u202c", 12}, {"\xc2\x85" "8\u2028\u2029", 8},
        {"\u16809\u205f", 9},          {"\u2000\u200a10", 10},       {"\u2064,5", 0.5},
    };
    const char* refused[] = {
        "17\u00a000",  "17\r\n00",  "1\u200b700",  "1582\u200b.5", "1582.\u200b5", "12\ufeff3",
        "\u00a0",      "\r\n",      "\u200b-\u200b", "\u00ad12",    "12\u180e",     "\u206512",
        "\u201012",    "\u200912-",  "\ue00012",   "\U000e000112",  "12\u2070",     "\u200c.\u200d",
    };
    // clang-format on
    for (const auto& c : accepted) {
        const auto value = textToNumber(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.value) << c.text;
    }
    for (const char* text : refused) EXPECT_FALSE(textToNumber(text).has_value()) << text;
}

// Ill-formed UTF-8 is no number, even where the bytes would spell a blank.
TEST(TextToNumber, RejectsIllFormedUtf8) {
    // clang-format off
    const char* cases[] = {
        "\x80" "12",        "12\xbf",          "\xc2",              "12\xc2",          "\xc0\xa0" "12",
        "\xc1\xbf" "12",    "\xe0\x80\xa0" "12", "\xe0\x9f\xbf" "12",  "\xed\xa0\x80" "12", "12\xed\xbf\xbf",
        "\xe2\x80" "12",    "\xe2\x80\x8b\x8b" "12", "\xf0\x8f\xbf\xbf" "1", "\xf4\x90\x80\x80" "1", "\xf5\x80\x80\x80" "1",
        "\xf8\x88\x80\x80\x80" "1", "\xfe" "1", "\xff\xfe" "1", "1\xc2\x20",       "\xe2\x20\x80" "1",
    };
    // clang-format on
    for (const char* text : cases)
        EXPECT_FALSE(textToNumber(text).has_value()) << testing::PrintToString(text);
    // The four lengths of well-formed sequences at their edges still decode.
    for (const char* text : {"\xc2\x85"
                             "1",
                             "\xe1\x9a\x80"
                             "1",
                             "\xef\xbb\xbf"
                             "1",
                             "1\xe3\x80\x80"})
        EXPECT_EQ(textToNumber(text), 1.0) << testing::PrintToString(text);
}

// Every code point, put around a number: read as a blank exactly when Unicode (as
// Qt's tables give it) calls it white space, or when it is one of the invisible
// format characters named for pasted text.
TEST(TextToNumber, BlanksAreUnicodeWhiteSpaceAndTheInvisibleMarks) {
    // UTF-8 written out from the bit layout of each length.
    const auto utf8 = [](char32_t c) {
        std::string out;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        return out;
    };
    const auto invisibleMark = [](char32_t c) {
        return c == 0x061C || (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
               (c >= 0x2060 && c <= 0x2064) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
    };
    int blanks = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;  // surrogates have no UTF-8 form
        if (c >= '0' && c <= '9') continue;        // a digit would change the number
        const bool blank = QChar::isSpace(c) || invisibleMark(c);
        if (invisibleMark(c)) {
            ASSERT_EQ(QChar::category(c), QChar::Other_Format) << std::hex << std::uint32_t{c};
        }
        const std::string b = utf8(c);
        std::string text = b;
        text.append("-").append(b).append("12").append(b);
        const auto around = textToNumber(text);
        ASSERT_EQ(around.has_value(), blank) << std::hex << std::uint32_t{c};
        if (blank) {
            ASSERT_EQ(*around, -12) << std::hex << std::uint32_t{c};
            ASSERT_FALSE(textToNumber("1" + b + "2").has_value()) << std::hex << std::uint32_t{c};
            ++blanks;
        }
    }
    EXPECT_EQ(blanks, 25 + 21);  // Unicode 15 has 25 white-space characters
}

TEST(TextToNumber, BeyondDoubleIsNoNumberAndBelowItIsZero) {
    EXPECT_FALSE(textToNumber("1" + std::string(400, '0')).has_value());
    EXPECT_FALSE(textToNumber("-1" + std::string(400, '0') + ".5").has_value());
    EXPECT_EQ(textToNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(textToNumber("-0." + std::string(400, '0') + "1"), 0.0);
}

TEST(ToInt16, RoundsHalvesToEvenWithinSixteenBits) {
    // clang-format off
    const struct {
        double value;
        int expected;  // -1000000: no 16-bit number
    } cases[] = {
        {1999.5, 2000}, {2000.5, 2000},  {1582.5, 1582}, {1582.4, 1582},  {2.5, 2},
        {3.5, 4},       {-2.5, -2},      {-3.5, -4},     {0.5, 0},        {-0.5, 0},
        {0.49999999999999994, 0},        {1.5000000000000002, 2},         {32767, 32767},
        {32767.4, 32767}, {32767.5, -1000000}, {-32768.5, -32768}, {-32768.6, -1000000},
        {-32769, -1000000}, {1e300, -1000000}, {std::numeric_limits<double>::infinity(), -1000000},
        {-std::numeric_limits<double>::infinity(), -1000000}, {std::nan(""), -1000000},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto result = toInt16(c.value);
        if (c.expected == -1000000) {
            EXPECT_FALSE(result.has_value()) << c.value;
        } else {
            ASSERT_TRUE(result.has_value()) << c.value;
            EXPECT_EQ(*result, c.expected) << c.value;
        }
    }
}

TEST(NumberToText, FixedNotationWithFifteenDigits) {
    // clang-format off
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {128.2 - 1, "127.2"},   {1999, "1999"},        {2000.5, "2000.5"},    {1998.5, "1998.5"},
        {0, "0"},               {-0.0, "0"},           {-1, "-1"},            {0.1 + 0.2, "0.3"},
        {99, "99"},             {1e20, "100000000000000000000"},            {1e-5, "0.00001"},
        {123456789012345678.0, "123456789012346000"},  {-2.5e-20, "-0.000000000000000000025"},
        {1.0 / 3, "0.333333333333333"},                {2100.1 + 1, "2101.1"},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(numberToText(c.value), c.text) << c.value;
    EXPECT_EQ(numberToText(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(numberToText(std::nan("")), "");
}

// Every finite double, at any magnitude, is written without an exponent and reads
// back within the rounding to 15 digits; canonical texts read back to themselves.
TEST(NumberToText, AlwaysReadsBack) {
    std::mt19937_64 random(20240501);
    std::uniform_int_distribution<std::uint64_t> bits;
    const double edges[] = {DBL_MAX, -DBL_MAX, DBL_MIN, -DBL_MIN, 4.9e-324, 1e15 - 0.5, 999999999999999.9};
    for (int i = 0; i < 200000; ++i) {
        double value = 0;
        if (i < static_cast<int>(std::size(edges))) {
            value = edges[i];
        } else {
            const std::uint64_t b = bits(random);
            std::memcpy(&value, &b, sizeof value);
            if (!std::isfinite(value)) continue;
        }
        const std::string text = numberToText(value);
        ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << text;
        const auto back = textToNumber(text);
        ASSERT_TRUE(back.has_value()) << value << " -> " << text;
        EXPECT_LE(std::fabs(*back - value), std::fabs(value) * 1e-14 + DBL_MIN) << value << " -> " << text;
    }
    for (int tenths = -40000; tenths <= 40000; tenths += 7) {
        const std::string text = numberToText(tenths / 10.0);
        EXPECT_EQ(numberToText(*textToNumber(text)), text);
        EXPECT_EQ(*textToNumber(text), tenths / 10.0) << text;
    }
}

}  // namespace
