#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

#include "skin_fixture.h"
#include "storage/skin_names.h"
#include "ui/skins/skin_colours.h"
#include "ui/skins/skin_palette.h"
#include "ui/skins/skin_style_sheet.h"

namespace orvane::ui::testing {
namespace {

struct Pair {
    const char* what;
    QPalette::ColorGroup group;
    QPalette::ColorRole background;
    QPalette::ColorRole text;
    double minimum;
};

// Every place where the palette puts text on a background.
constexpr Pair kTextPairs[] = {
    {"captions", QPalette::Active, QPalette::Window, QPalette::WindowText, 4.5},
    {"fields", QPalette::Active, QPalette::Base, QPalette::Text, 4.5},
    {"alternate rows", QPalette::Active, QPalette::AlternateBase, QPalette::Text, 4.5},
    {"buttons", QPalette::Active, QPalette::Button, QPalette::ButtonText, 4.5},
    {"selection", QPalette::Active, QPalette::Highlight, QPalette::HighlightedText, 4.5},
    {"tool tips", QPalette::Active, QPalette::ToolTipBase, QPalette::ToolTipText, 4.5},
    {"links", QPalette::Active, QPalette::Base, QPalette::Link, 4.5},
    {"inactive window", QPalette::Inactive, QPalette::Window, QPalette::WindowText, 4.5},
    {"inactive selection", QPalette::Inactive, QPalette::Highlight, QPalette::HighlightedText, 4.5},
    {"placeholders", QPalette::Active, QPalette::Base, QPalette::PlaceholderText, 3.0},
    {"disabled captions", QPalette::Disabled, QPalette::Window, QPalette::WindowText, 3.0},
    {"disabled fields", QPalette::Disabled, QPalette::Base, QPalette::Text, 3.0},
    {"disabled buttons", QPalette::Disabled, QPalette::Button, QPalette::ButtonText, 3.0},
    {"disabled selection", QPalette::Disabled, QPalette::Highlight, QPalette::HighlightedText, 3.0},
};

class ReadableSkin : public SkinTest, public ::testing::WithParamInterface<std::string_view> {};

TEST_P(ReadableSkin, everyTextStandsOutFromWhatItIsDrawnOn) {
    ASSERT_TRUE(skins.apply(qs(GetParam())));
    const QPalette palette = QApplication::palette();
    for (const Pair& pair : kTextPairs) {
        const QColor bg = palette.color(pair.group, pair.background);
        const QColor fg = palette.color(pair.group, pair.text);
        EXPECT_GE(ContrastRatio(fg, bg), pair.minimum)
            << pair.what << ": " << fg.name().toStdString() << " on " << bg.name().toStdString();
    }
    // The style sheet's own text placements.
    const SkinColours* colours = FindSkinColours(GetParam());
    ASSERT_NE(colours, nullptr);
    EXPECT_GE(ContrastRatio(QColor(colours->title), QColor(colours->window)), 4.5)
        << "group titles";
    EXPECT_GE(ContrastRatio(QColor(colours->buttonText), TabHoverColour(*colours)), 4.5)
        << "tab under the pointer";
}

std::string testName(const ::testing::TestParamInfo<std::string_view>& info) {
    std::string name(info.param);
    for (char& c : name)
        if (c == ' ')
            c = '_';
    return name;
}

// Position 0, the platform's look, is not ours to colour.
INSTANTIATE_TEST_SUITE_P(BuiltInSkins, ReadableSkin,
                         ::testing::ValuesIn(storage::SkinNames.begin() + 1,
                                             storage::SkinNames.end()),
                         testName);

TEST(ContrastRatio, matchesTheKnownExtremesAndIsSymmetric) {
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(QColor(0x777777), QColor(0x777777)), 1.0, 1e-9);
    // #767676 is the palest grey that still reads on white at 4.5:1.
    EXPECT_NEAR(ContrastRatio(QColor(0x767676), Qt::white), 4.54, 0.01);
    EXPECT_DOUBLE_EQ(ContrastRatio(QColor(0x767676), Qt::white),
                     ContrastRatio(Qt::white, QColor(0x767676)));
}

TEST(FadeTowards, fadesAsFarAsTheMinimumAllowsAndNoFurther) {
    const QColor faded = FadeTowards(Qt::black, Qt::white, 3.0);
    EXPECT_GE(ContrastRatio(faded, Qt::white), 3.0);
    EXPECT_LT(ContrastRatio(faded, Qt::white), 3.3);
    // Already too faint: left alone rather than made fainter.
    EXPECT_EQ(FadeTowards(QColor(0xdddddd), Qt::white, 3.0), QColor(0xdddddd));
}

}  // namespace
}  // namespace orvane::ui::testing
