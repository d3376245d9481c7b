#include "core/values.h"

#include <gtest/gtest.h>

namespace {

TEST(NumericParse, ReadsTheLeadingNumberAndIgnoresTheRest) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"25", 25},    {"  12", 12}, {"-7", -7},
        {"+3", 3},     {"1.5", 1.5}, {"3.25xyz", 3.25},
        {"12abc", 12}, {"", 0},      {"abc", 0},
        {"Ima li", 0}, {" ", 0},     {"-", 0},
        {".5", 0.5},   {"7.", 7},    {"1 2", 1},
        {"\t5", 0},    {"0012", 12}, {"16777215", 16777215},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(numericParse(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(StrictNumber, AcceptsOnlyAWholeNumber) {
    EXPECT_EQ(strictNumber("0"), 0.0);
    EXPECT_EQ(strictNumber(" -1 "), -1.0);
    EXPECT_EQ(strictNumber("2.5"), 2.5);
    for (const char* text : {"", " ", "x", "1x", "Utochnenie dali ima grafika - 30 br", "1 2"})
        EXPECT_FALSE(strictNumber(QString::fromUtf8(text)).has_value()) << text;
}

TEST(DecimalText, HasNoSignSpacesOrLeadingZeros) {
    EXPECT_EQ(decimalText(25), "25");
    EXPECT_EQ(decimalText(0), "0");
    EXPECT_EQ(decimalText(-5), "-5");
    EXPECT_EQ(decimalText(32767), "32767");
}

TEST(RoundToInt16, GoesToTheEvenNeighbourOnAnExactHalf) {
    const struct {
        double value;
        int rounded;
    } cases[] = {
        {12.5, 12},   {37.5, 38},       {62.5, 62},       {87.5, 88},         {0.5, 0},
        {1.5, 2},     {2.5, 2},         {-0.5, 0},        {-1.5, -2},         {-2.5, -2},
        {9.75, 10},   {8.25, 8},        {33.333, 33},     {66.667, 67},       {48.0, 48},
        {100.0, 100}, {32767.4, 32767}, {40000.0, 32767}, {-40000.0, -32768},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundToInt16(c.value), c.rounded) << c.value;
}

TEST(Colour, SplitsIntoLowBytesAndJoinsBack) {
    const struct {
        std::int32_t value;
        Rgb rgb;
    } cases[] = {
        {0, {0, 0, 0}},
        {128, {128, 0, 0}},
        {51328, {128, 200, 0}},
        {8421504, {128, 128, 128}},
        {16777215, {255, 255, 255}},
        {12582912, {0, 0, 192}},
        {static_cast<std::int32_t>(0x7F123456), {0x56, 0x34, 0x12}}, // high bits ignored
        {-1, {255, 255, 255}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitColour(c.value), c.rgb) << c.value;
        EXPECT_EQ(joinColour(c.rgb), c.value & 0xFFFFFF) << c.value;
    }
}

} // namespace
