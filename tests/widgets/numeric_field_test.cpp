#include "widgets/numeric_field.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QAbstractButton>
#include <QClipboard>
#include <QSignalSpy>
#include <cmath>
#include <limits>
#include <optional>

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
        field.setValue(42);
        field.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&field));
        field.setFocus();
        field.selectAll();
    }
    NumericField field;
};

struct TypedCase {
    const char* typed;
    std::optional<double> value;  // nothing: the text is no number
};

void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << '"' << c.typed << '"';
}

class TypedText : public NumericTyping, public ::testing::WithParamInterface<TypedCase> {};

// No key is dropped: the field shows exactly what the operator typed, and either holds that
// number or knows it holds none (so "1e30" can never pass as 130).
TEST_P(TypedText, staysAsTypedAndIsTheNumberOrNone) {
    QTest::keyClick(&field, Qt::Key_Backspace);  // the selected 42 goes
    QTest::keyClicks(&field, QString::fromLatin1(GetParam().typed));
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(field.text(), QString::fromLatin1(GetParam().typed));
    EXPECT_EQ(field.holdsNumber(), GetParam().value.has_value());
    if (GetParam().value) {
        EXPECT_DOUBLE_EQ(field.value(), *GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Operator, TypedText,
    ::testing::Values(TypedCase{"1e30", std::nullopt}, TypedCase{"12a", std::nullopt},
                      TypedCase{"--5", std::nullopt}, TypedCase{"5-", std::nullopt},
                      TypedCase{"0x1F", std::nullopt}, TypedCase{"1.2.3", std::nullopt},
                      TypedCase{"", std::nullopt}, TypedCase{" 42 ", 42}, TypedCase{"12,5", 12.5},
                      TypedCase{"12.5", 12.5}, TypedCase{",5", 0.5}, TypedCase{"-7", -7}));

TEST_F(NumericTyping, aPastedStringIsKeptLikeTypedText) {
    QApplication::clipboard()->setText(QStringLiteral("300 V"));
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.text(), "300 V");
    EXPECT_FALSE(field.holdsNumber());
}

TEST_F(NumericTyping, typedValuesOutsideTheLimitsAreKeptAsTyped) {
    field.setLowerLimit(0);
    field.setUpperLimit(255);
    QTest::keyClicks(&field, QStringLiteral("300"));
    field.clearFocus();
    EXPECT_DOUBLE_EQ(field.value(), 300);
    EXPECT_EQ(field.text(), "300");
    field.setValue(300);  // the program's values are still clamped
    EXPECT_EQ(field.text(), "255");
}

TEST_F(NumericTyping, textThatIsNoNumberIsMarkedUntilCorrectedOrSetByTheProgram) {
    auto frameRedness = [this] {
        const QColor edge = testing::render(field).pixelColor(1, field.height() / 2);
        return edge.red() - edge.green();
    };
    EXPECT_LT(frameRedness(), 40);
    QTest::keyClicks(&field, QStringLiteral("12a"));
    field.clearFocus();
    EXPECT_EQ(field.text(), "12a");
    EXPECT_FALSE(field.holdsNumber());
    EXPECT_GT(frameRedness(), 120);

    field.setFocus();
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_TRUE(field.holdsNumber());
    EXPECT_DOUBLE_EQ(field.value(), 12);

    QTest::keyClicks(&field, QStringLiteral("x"));
    field.setValue(30);
    EXPECT_TRUE(field.holdsNumber());
    EXPECT_EQ(field.text(), "30");
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

// The clock setting goes out unchecked, so its fields refuse the keys instead.
TEST(SpinField, keysThatLeaveNoNumberInsideTheLimitsHaveNoEffect) {
    SpinField hour;
    hour.setUpperLimit(23);
    hour.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&hour));
    hour.setFocus();
    hour.selectAll();
    QTest::keyClicks(&hour, QStringLiteral("2e5"));
    EXPECT_EQ(hour.text(), "2");
    QTest::keyClicks(&hour, QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(hour.value(), 20);

    hour.selectAll();
    QTest::keyClicks(&hour, QStringLiteral("-"));
    hour.clearFocus();  // leaving a half-typed number shows the held one again
    EXPECT_EQ(hour.text(), "20");
    EXPECT_TRUE(hour.holdsNumber());
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
