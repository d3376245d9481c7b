#include "appearance/appearancerecord.h"
#include "appearance/cwiat.h"

#include <gtest/gtest.h>

TEST(AppearanceRecord, BuiltInContent) {
    const QStringList expected{QStringLiteral("всичко това е за управление на цветове"),
                               QStringLiteral("Times New Roman"),
                               "12",
                               "128",
                               "128",
                               "0",
                               "0",
                               "16777215",
                               "0",
                               "128",
                               "0",
                               "8",
                               "8",
                               "0",
                               "0",
                               "192",
                               "192",
                               "0",
                               "0"};
    EXPECT_EQ(AppearanceRecord::builtin(), expected);

    ItemList record;
    AppearanceRecord::fill(record);
    EXPECT_EQ(record.toStringList(), expected);
    EXPECT_EQ(record.count(), AppearanceRecord::Size);
    EXPECT_EQ(record.selected(), -1);
}

TEST(AppearanceRecord, PositionsOfTargets) {
    EXPECT_EQ(AppearanceRecord::colourPosition(0), 3);
    EXPECT_EQ(AppearanceRecord::colourPosition(3), 15);
    EXPECT_EQ(AppearanceRecord::componentPosition(1, 0), 8);
    EXPECT_EQ(AppearanceRecord::componentPosition(3, 2), 18);
}

TEST(ColourValues, SplitJoinAndCaption) {
    struct Case {
        std::int32_t colour;
        Rgb rgb;
        const char* caption;
    };
    const Case cases[] = {
        {0, {0, 0, 0}, "Цвят в 10/16-тичен код = 0 /H0"},
        {8421504, {128, 128, 128}, "Цвят в 10/16-тичен код = 8421504 /H808080"},
        {16777215, {255, 255, 255}, "Цвят в 10/16-тичен код = 16777215 /HFFFFFF"},
        {51328, {128, 200, 0}, "Цвят в 10/16-тичен код = 51328 /HC880"},
        {192, {192, 0, 0}, "Цвят в 10/16-тичен код = 192 /HC0"},
        {65536 * 10 + 256 * 11 + 12, {12, 11, 10}, "Цвят в 10/16-тичен код = 658188 /HA0B0C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colour);
        EXPECT_EQ(cwetowe_RGB(c.colour), c.rgb);
        EXPECT_EQ(joinColour(c.rgb), c.colour);
        EXPECT_EQ(colourCaption(c.colour), QString::fromUtf8(c.caption));
    }
}

TEST(ColourValues, BitsAboveTheColourAreIgnoredWhenSplitting) {
    EXPECT_EQ(cwetowe_RGB(0x7F123456), (Rgb{0x56, 0x34, 0x12}));
    EXPECT_EQ(cwetowe_RGB(static_cast<std::int32_t>(0xFF000000u)), (Rgb{0, 0, 0}));
    EXPECT_EQ(cwetowe_RGB(-1), (Rgb{255, 255, 255}));
}
