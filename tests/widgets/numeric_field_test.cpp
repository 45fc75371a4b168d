#include "widgets/numeric_field.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QAbstractButton>
#include <QSignalSpy>
#include <cmath>
#include <limits>

#include "widget_test_support.h"
#include "widgets/spin_field.h"

namespace orvane::widgets {
namespace {

using testing::PaintCounter;

TEST(NumericField, showsItsValueThroughItsFormat) {
    NumericField field;
    field.setValue(50.024);
    EXPECT_EQ(field.text(), "50");
    field.setFormat(QStringLiteral("#0.0#"));
    EXPECT_EQ(field.text(), "50.02");
    field.setDecimalPoint(QLatin1Char(','));
    EXPECT_EQ(field.text(), "50,02");
}

TEST(NumericField, rewritingTheShownValueDoesNotRepaint) {
    NumericField field;
    PaintCounter paints(&field);
    ASSERT_TRUE(paints.showAndReset());
    field.setValue(230.4);
    PaintCounter::settle();
    EXPECT_GE(paints.count, 1);

    paints.count = 0;
    field.setValue(230.4);
    field.setValue(230.43);  // shows the same "230.4"
    PaintCounter::settle();
    EXPECT_EQ(paints.count, 0);
    EXPECT_DOUBLE_EQ(field.value(), 230.43);  // the value itself is kept exactly
}

struct ClampCase {
    double set;
    double held;
};

void PrintTo(const ClampCase& c, std::ostream* os) {
    *os << c.set;
}

class NumericLimitTest : public ::testing::TestWithParam<ClampCase> {};

TEST_P(NumericLimitTest, switchedOnLimitsClampEveryValueSet) {
    NumericField field;
    field.setLowerLimit(0);
    field.setUpperLimit(23);
    field.setValue(GetParam().set);
    EXPECT_DOUBLE_EQ(field.value(), GetParam().held);
}

INSTANTIATE_TEST_SUITE_P(Hours, NumericLimitTest,
                         ::testing::Values(ClampCase{23, 23}, ClampCase{24, 23}, ClampCase{1e9, 23},
                                           ClampCase{12.5, 12.5}, ClampCase{0, 0},
                                           ClampCase{-1, 0}));

TEST(NumericField, limitsSwitchedOffLeaveValuesAlone) {
    NumericField field;
    field.setUpperLimit(10, false);
    field.setValue(500);
    EXPECT_DOUBLE_EQ(field.value(), 500);
    field.setUpperLimit(10, true);  // switching on clamps what is held
    EXPECT_DOUBLE_EQ(field.value(), 10);
}

TEST(NumericField, nonFiniteValuesAreRefused) {
    NumericField field;
    field.setValue(7);
    field.setValue(std::numeric_limits<double>::quiet_NaN());
    field.setValue(std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(field.value(), 7);
    EXPECT_EQ(field.text(), "7");
}

class NumericTyping : public ::testing::Test {
  protected:
    void SetUp() override {
        field.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&field));
        field.setFocus();
        field.selectAll();
    }
    NumericField field;
};

TEST_F(NumericTyping, commaOrPointNumbersAreTakenAndShownInTheFormatOnReturn) {
    QSignalSpy edited(&field, &NumericField::valueEdited);
    QTest::keyClicks(&field, QStringLiteral("12,5"));
    EXPECT_DOUBLE_EQ(field.value(), 12.5);  // taken while typing, so a reader never lags
    EXPECT_EQ(field.text(), "12,5");
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(field.text(), "12.5");
    EXPECT_GE(edited.count(), 1);
}

TEST_F(NumericTyping, lettersExponentsAndSecondSeparatorsCannotBeTyped) {
    QTest::keyClicks(&field, QStringLiteral("1e5x.2.3"));
    EXPECT_EQ(field.text(), "15.23");
    EXPECT_DOUBLE_EQ(field.value(), 15.23);
}

TEST_F(NumericTyping, typedValuesAreClampedToTheLimits) {
    field.setUpperLimit(255);
    QTest::keyClicks(&field, QStringLiteral("300"));
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(field.value(), 255);
    EXPECT_EQ(field.text(), "255");
}

TEST_F(NumericTyping, leavingAHalfTypedNumberShowsTheHeldValueAgain) {
    field.setValue(42);
    field.selectAll();
    QTest::keyClicks(&field, QStringLiteral("-"));
    EXPECT_EQ(field.text(), "-");
    field.clearFocus();
    EXPECT_EQ(field.text(), "42");
    EXPECT_DOUBLE_EQ(field.value(), 42);
}

TEST(SpinField, buttonsAndArrowKeysStepWithinTheLimits) {
    SpinField hour;
    hour.setUpperLimit(23);
    hour.resize(hour.sizeHint());
    hour.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&hour));
    hour.setValue(22);

    QTest::mouseClick(hour.upButton(), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(hour.value(), 23);
    EXPECT_EQ(hour.text(), "23");
    QTest::mouseClick(hour.upButton(), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(hour.value(), 23);  // an hour of 23 stays 23

    hour.setValue(1);
    hour.setFocus();
    QTest::keyClick(&hour, Qt::Key_Down);
    EXPECT_EQ(hour.text(), "00");
    QTest::keyClick(&hour, Qt::Key_Down);
    EXPECT_DOUBLE_EQ(hour.value(), 0);
    QTest::keyClick(&hour, Qt::Key_Up);
    EXPECT_EQ(hour.text(), "01");
}

TEST(SpinField, heldButtonsRepeatAfterHalfASecondEveryTenthOfASecond) {
    SpinField minute;
    for (QAbstractButton* b : {minute.upButton(), minute.downButton()}) {
        EXPECT_TRUE(b->autoRepeat());
        EXPECT_EQ(b->autoRepeatDelay(), 500);
        EXPECT_EQ(b->autoRepeatInterval(), 100);
    }
}

}  // namespace
}  // namespace orvane::widgets
