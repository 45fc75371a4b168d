// The window as screen readers and GUI test tools reach it, through its accessibility tree:
// buttons pressed through their action, pages opened through their tabs, and the names of
// the fields that share a caption.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTabBar>

#include "catalogue/message_catalogue.h"
#include "params/free_configuration_layout.h"
#include "window_fixture.h"

namespace orvane::testing {
namespace {

namespace controls = frontend::controls;

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

void Press(QAccessibleInterface* control) {
    ASSERT_NE(control->actionInterface(), nullptr)
        << control->text(QAccessible::Name).toStdString();
    control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// An assistive tool that presses a button must not hang until the operator closes a box.
TEST_F(WindowTest, pressingACommandButtonThroughItsActionReturnsBeforeTheBoxItOpens) {
    settings("", true, {"--fw", "1.8.0"});  // a firmware on which commands are refused
    open();
    click(controls::Bt_Open);
    ASSERT_TRUE(waitFor([&] { return window_->session().program().poll.FwVersionError; }));

    Press(Accessible(control(controls::Bt_Blocco)));
    EXPECT_TRUE(dialogs_.boxes.empty());
    runQueuedHandlers();
    ASSERT_EQ(dialogs_.boxes.size(), 1u);
    EXPECT_EQ(dialogs_.boxes[0].text,
              window_->session().program().language.text(catalogue::row::CommandFirmwareRefusal));
}

TEST_F(WindowTest, aHiddenPageIsNeitherAnnouncedNorOpenedThroughItsTab) {
    settings("LINGUA=1\r\n");
    open();
    QTabWidget& pages = window_->pages();
    QAccessibleInterface* bar = Accessible(pages.tabBar());
    const int gridService = pages.indexOf(control(controls::Tab_Cei_021));
    const int lan = pages.indexOf(control(controls::Tab_Lan));
    QAccessibleInterface* hidden = bar->child(gridService);
    ASSERT_NE(hidden, nullptr);
    EXPECT_EQ(hidden->role(), QAccessible::PageTab);
    EXPECT_TRUE(hidden->state().invisible);
    Press(hidden);
    EXPECT_EQ(pages.currentIndex(), 0);

    // Shown tabs open their pages; in Italian the grid-service tab is one of them.
    Press(bar->child(lan));
    EXPECT_EQ(pages.currentIndex(), lan);
    pick(controls::Cb_Sel_Lingua, 0);
    EXPECT_FALSE(hidden->state().invisible);
    EXPECT_EQ(hidden->text(QAccessible::Name), QStringLiteral("Servizi di Rete Cei 021"));
    Press(hidden);
    EXPECT_EQ(pages.currentIndex(), gridService);
}

TEST_F(WindowTest, summerAndWinterFieldsAreNamedByTheirWholeRowAndTheirSeason) {
    open();
    pick(controls::Cb_Tipo_Batt, params::FreeConfigurationType);  // the rows get their captions
    const std::pair<frontend::AnyControl, const char*> cases[] = {
        {controls::Ed_C_Finecarica_Est, "Divisore Corrente Finecarica C/ Modalità Estate"},
        {controls::Ed_C_Finecarica_Inv, "Divisore Corrente Finecarica C/ Modalità Inverno"},
        {controls::Ed_Minuti_T_Cost_CN_Est,
         "Minuti Tens. Costante in Carica Normale Modalità Estate"},
        {controls::Ed_Minuti_T_Cost_CC_Inv,
         "Minuti Tens. Costante in Carica Completa Modalità Inverno"},
        {controls::Ed_Min_Equali_Inv, "Minuti Equalizzazione: ** Modalità Inverno"},
    };
    for (const auto& [field, name] : cases)
        EXPECT_EQ(Accessible(control(field))->text(QAccessible::Name), QString::fromUtf8(name))
            << field;
}

}  // namespace
}  // namespace orvane::testing
