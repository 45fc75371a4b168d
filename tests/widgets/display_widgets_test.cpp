#include <gtest/gtest.h>

#include <ostream>

#include <QEnterEvent>
#include <cmath>
#include <limits>

#include "widget_test_support.h"
#include "widgets/digit_group.h"
#include "widgets/large_button.h"
#include "widgets/led_matrix_line.h"
#include "widgets/styled_label.h"

namespace orvane::widgets {
namespace {

using testing::PaintCounter;

// --- Digit group ---------------------------------------------------------------------

struct DigitCase {
    double value;
    int digits;
    const char* shown;
};

void PrintTo(const DigitCase& c, std::ostream* os) {
    *os << c.value << " on " << c.digits;
}

class DigitGroupTest : public ::testing::TestWithParam<DigitCase> {};

TEST_P(DigitGroupTest, showsWholeNumbersWithLeadingZerosOrDashesWhenTheyDoNotFit) {
    DigitGroup group(GetParam().digits);
    group.setValue(GetParam().value);
    EXPECT_EQ(group.shownText(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Clock, DigitGroupTest,
    ::testing::Values(DigitCase{7, 2, "07"}, DigitCase{0, 2, "00"}, DigitCase{2025, 4, "2025"},
                      DigitCase{2000, 4, "2000"}, DigitCase{59.6, 2, "60"}, DigitCase{100, 2, "--"},
                      DigitCase{255, 2, "--"}, DigitCase{-1, 2, "--"},
                      DigitCase{std::numeric_limits<double>::quiet_NaN(), 2, "--"}));

TEST(DigitGroup, rewritingTheShownNumberDoesNotRepaint) {
    DigitGroup seconds(2);
    PaintCounter paints(&seconds);
    ASSERT_TRUE(paints.showAndReset());
    seconds.setValue(42);
    PaintCounter::settle();
    EXPECT_GE(paints.count, 1);
    paints.count = 0;
    seconds.setValue(42);
    seconds.setValue(41.8);  // still shows "42"
    PaintCounter::settle();
    EXPECT_EQ(paints.count, 0);
}

TEST(DigitGroup, drawsOnlyLitSegments) {
    DigitGroup one(2);
    one.resize(one.sizeHint());
    one.setValue(11);  // only the right-hand segments b and c are lit
    const QImage image = testing::render(one);
    int lit = 0;
    int litLeftHalfOfFirstDigit = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() > 150 && c.red() < 120) {
                ++lit;
                if (x < image.width() / 4)
                    ++litLeftHalfOfFirstDigit;
            }
        }
    }
    EXPECT_GT(lit, 20);
    EXPECT_EQ(litLeftHalfOfFirstDigit, 0);  // unlit segments e and f leave no trace
}

// --- LED-matrix line -----------------------------------------------------------------

TEST(LedMatrixLine, stillTextStandsAtTheStartOfTheCells) {
    LedMatrixLine line;
    line.setText(QStringLiteral("Comunicazione OK"));
    EXPECT_EQ(line.shownText(), QStringLiteral("Comunicazione OK").leftJustified(30));
    line.setText(QString(40, QLatin1Char('x')));
    EXPECT_EQ(line.shownText(), QString(30, QLatin1Char('x')));  // longer texts are cut
    EXPECT_FALSE(line.isScrolling());
}

TEST(LedMatrixLine, autoScrollMovesOneCellPerStepAndComesRound) {
    LedMatrixLine line;
    line.setText(QStringLiteral("Errore"));
    line.setAutoScroll(true);
    line.scrollStep();
    EXPECT_EQ(line.shownText(), QStringLiteral("rrore").leftJustified(29) + QLatin1Char('E'));
    for (int i = 1; i < 30; ++i)
        line.scrollStep();  // a short text comes round after 30
    EXPECT_EQ(line.shownText(), QStringLiteral("Errore").leftJustified(30));

    const QString longText = QString(32, QLatin1Char('a')) + QStringLiteral("XY");
    line.setText(longText);
    for (int i = 0; i < 32; ++i)
        line.scrollStep();
    EXPECT_TRUE(line.shownText().startsWith(QStringLiteral("XY   aaa")));  // gap, then again
}

TEST(LedMatrixLine, timerRunsOnlyWhileScrollingAtTheScrollStep) {
    LedMatrixLine line;
    EXPECT_EQ(line.scrollIntervalMs(), 100);
    line.setAutoScroll(true);
    EXPECT_FALSE(line.isScrolling());  // nothing to scroll yet
    line.setText(QStringLiteral("Errore di comunicazione"));
    EXPECT_TRUE(line.isScrolling());
    line.setAutoScroll(false);
    EXPECT_FALSE(line.isScrolling());
    EXPECT_EQ(line.scrollOffset(), 0);
}

TEST(LedMatrixLine, rewritingTheSameTextAndScrollStateKeepsTheScrollAndDoesNotRepaint) {
    LedMatrixLine line;
    line.setScrollIntervalMs(3'600'000);  // only this test's own steps move the text
    line.setText(QStringLiteral("Errore di comunicazione"));
    line.setAutoScroll(true);
    line.scrollStep();
    line.scrollStep();
    PaintCounter paints(&line);
    ASSERT_TRUE(paints.showAndReset());
    line.setText(QStringLiteral("Errore di comunicazione"));  // every poll tick does this
    line.setAutoScroll(true);
    PaintCounter::settle();
    EXPECT_EQ(paints.count, 0);
    EXPECT_EQ(line.scrollOffset(), 2);
}

TEST(LedMatrixLine, rewritingTheSameColoursDoesNotRepaint) {
    LedMatrixLine line;
    line.setColours(Qt::green, Qt::darkGreen, Qt::black);
    PaintCounter paints(&line);
    ASSERT_TRUE(paints.showAndReset());
    line.setColours(Qt::green, Qt::darkGreen, Qt::black);
    PaintCounter::settle();
    EXPECT_EQ(paints.count, 0);
    line.setColours(Qt::yellow, Qt::darkGreen, Qt::black);
    PaintCounter::settle();
    EXPECT_EQ(paints.count, 1);
}

// --- Styled label --------------------------------------------------------------------

TEST(StyledLabel, rewritingTheSameTextColoursAndAlignmentDoesNotRepaint) {
    StyledLabel label(QStringLiteral("Data"), StyledLabel::Effect::Shadow);
    label.setTextColour(Qt::blue);
    label.setEffectColour(Qt::gray);
    label.setAlignment(Qt::AlignCenter);
    PaintCounter paints(&label);
    ASSERT_TRUE(paints.showAndReset());
    label.setText(QStringLiteral("Data"));
    label.setTextColour(Qt::blue);
    label.setEffectColour(Qt::gray);
    label.setAlignment(Qt::AlignCenter);
    label.setEffect(StyledLabel::Effect::Shadow);
    PaintCounter::settle();
    EXPECT_EQ(paints.count, 0);
    label.setText(QStringLiteral("Date"));
    PaintCounter::settle();
    EXPECT_EQ(paints.count, 1);
}

// --- Large button --------------------------------------------------------------------

TEST(LargeButton, captionTurnsFuchsiaWhileThePointerIsOver) {
    LargeButton button(QStringLiteral("Blocca"), QColor(255, 0, 0));
    const QColor normal = button.captionColour();
    EXPECT_NE(normal, QColor(255, 0, 255));

    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QApplication::sendEvent(&button, &enter);
    EXPECT_EQ(button.captionColour(), QColor(255, 0, 255));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_EQ(button.captionColour(), normal);
}

}  // namespace
}  // namespace orvane::widgets
