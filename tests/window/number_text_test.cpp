#include "number_text.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

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
        "1-",  "٣",    "1\n",   "Ⅻ",   "1 000", "2000 jaar", "\xff", "1.5e", "-.", "12..",
    };
    // clang-format on
    for (const char* text : cases) EXPECT_FALSE(textToNumber(text).has_value()) << '"' << text << '"';
    EXPECT_FALSE(textToNumber(std::string_view("12\0"
                                               "3",
                                               4))
                     .has_value());
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
