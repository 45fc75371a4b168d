#include <gtest/gtest.h>

#include <ostream>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <functional>
#include <memory>
#include <string_view>

#include "frontend/control_table.h"
#include "widget_test_support.h"
#include "widgets/check_lamp.h"
#include "widgets/digit_group.h"
#include "widgets/lamp.h"
#include "widgets/large_button.h"
#include "widgets/led_matrix_line.h"
#include "widgets/numeric_field.h"
#include "widgets/spin_field.h"
#include "widgets/styled_label.h"
#include "widgets/trend_chart.h"

namespace orvane::widgets {

namespace controls = orvane::frontend::controls;
namespace {

QString valueOf(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Value) : QStringLiteral("<none>");
}

struct AccessCase {
    std::string_view name;  // the window's control of this kind, for the fallback name
    std::function<QWidget*()> make;
    QAccessible::Role role;
    const char* value;
};

void PrintTo(const AccessCase& c, std::ostream* os) {
    *os << c.name;
}

class AccessibleTest : public ::testing::TestWithParam<AccessCase> {};

TEST_P(AccessibleTest, widgetReportsItsRoleAndWhatItShows) {
    const AccessCase& c = GetParam();
    std::unique_ptr<QWidget> w(c.make());
    w->setObjectName(QString::fromUtf8(c.name.data(), static_cast<qsizetype>(c.name.size())));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.get());
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), c.role);
    EXPECT_EQ(iface->text(QAccessible::Value), QString::fromUtf8(c.value));
    EXPECT_EQ(iface->text(QAccessible::Name), w->objectName());  // falls back
}

INSTANTIATE_TEST_SUITE_P(
    Widgets, AccessibleTest,
    ::testing::Values(AccessCase{controls::Led_Comunicazione.name(),
                                 [] {
                                     auto* l = new Lamp;
                                     l->setActive(true);
                                     return l;
                                 },
                                 QAccessible::Indicator, "on"},
                      AccessCase{controls::Ck_Agg_Clock.name(),
                                 [] { return new CheckLamp(QStringLiteral("x")); },
                                 QAccessible::CheckBox, "unchecked"},
                      AccessCase{controls::Ed_Freq_Rete.name(),
                                 [] {
                                     auto* f = new NumericField;
                                     f->setFormat(QStringLiteral("#0.0#"));
                                     f->setValue(50.02);
                                     return f;
                                 },
                                 QAccessible::EditableText, "50.02"},
                      AccessCase{controls::Num_Ora.name(),
                                 [] {
                                     auto* s = new SpinField;
                                     s->setValue(7);
                                     return s;
                                 },
                                 QAccessible::SpinBox, "07"},
                      AccessCase{controls::VrAnno.name(),
                                 [] {
                                     auto* d = new DigitGroup(4);
                                     d->setValue(2025);
                                     return d;
                                 },
                                 QAccessible::StaticText, "2025"},
                      AccessCase{controls::Vr_String.name(),
                                 [] {
                                     auto* m = new LedMatrixLine;
                                     m->setText(QStringLiteral("Avviato"));
                                     return m;
                                 },
                                 QAccessible::StaticText, "Avviato"},
                      AccessCase{controls::Bt_Blocco.name(),
                                 [] { return new LargeButton(QStringLiteral("Blocca")); },
                                 QAccessible::Button, "Blocca"},
                      AccessCase{"Label_Sep", [] { return new StyledLabel(QStringLiteral(":")); },
                                 QAccessible::StaticText, ":"},
                      AccessCase{controls::Trend_1.name(), [] { return new TrendChart; },
                                 QAccessible::Chart, "0 records, stopped, following"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Accessibility, lampAndCheckLampReportTheirCheckedState) {
    Lamp lamp;
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(&lamp)->state().checked);
    lamp.setActive(true);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&lamp)->state().checked);

    CheckLamp check(QStringLiteral("Aggiorna"));
    check.setChecked(true);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&check);
    EXPECT_TRUE(iface->state().checkable);
    EXPECT_TRUE(iface->state().checked);
    EXPECT_EQ(valueOf(&check), "checked");
}

TEST(Accessibility, buttonsCanBePressedThroughTheirAction) {
    CheckLamp check(QStringLiteral("Aggiorna"));
    QAccessibleActionInterface* action =
        QAccessible::queryAccessibleInterface(&check)->actionInterface();
    ASSERT_NE(action, nullptr);
    action->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(check.isChecked());

    LargeButton button(QStringLiteral("Avvia"));
    int clicks = 0;
    QObject::connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });
    QAccessible::queryAccessibleInterface(&button)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
}

TEST(Accessibility, shownTextFollowsValueChanges) {
    NumericField field;
    field.setValue(12);
    EXPECT_EQ(valueOf(&field), "12");
    field.setValue(-3.25);
    EXPECT_EQ(valueOf(&field), "-3.3");
}

}  // namespace
}  // namespace orvane::widgets
