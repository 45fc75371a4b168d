// The window as the operator meets it: first run, stored settings, the live link against the
// simulated unit, language and skin changes, and the parameter buttons, all through the real
// controls.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "ui/pages/port_list.h"
#include "ui/window/progress_dialog.h"
#include "widgets/digit_group.h"
#include "widgets/lamp.h"
#include "widgets/numeric_field.h"
#include "widgets/trend_chart.h"
#include "window_fixture.h"

namespace orvane::testing {

namespace controls = orvane::frontend::controls;
namespace {

using Box = FakeOperator::Kind;

TEST_F(WindowTest, firstRunInAnEmptyFolderOpensItalianOnComOneAndWritesTheSettingsOnClose) {
    ui::Form1& window = open();
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(" Orvane Configurator Trifase"));
    EXPECT_EQ(window.pos(), QPoint(100, 100));
    EXPECT_EQ(text(controls::Cb_Sel_Porta).rfind("COM 1", 0), 0u);
    EXPECT_EQ(text(controls::Cb_Sel_Lingua), "Italiano");
    EXPECT_EQ(text(controls::Bt_Open), "Avvia");
    EXPECT_EQ(skins_.current(), QStringLiteral("Windows"));
    EXPECT_TRUE(tabShown(controls::Tab_Cei_021));
    EXPECT_FALSE(window.timer1().isActive());
    EXPECT_EQ(window.timer1().interval(), 75);
    EXPECT_EQ(window.pages().currentIndex(), 0);

    window.move(240, 160);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(savedSettings(),
              "[GENERALE]\r\nCOM_232=0\r\nLEFT=240\r\nTOP=160\r\nSKIN=0\r\nLINGUA=0\r\n");
}

TEST_F(WindowTest, storedEnglishOpensInEnglishWithoutTheGridServiceParts) {
    settings("LINGUA=1\r\n");
    open();
    EXPECT_EQ(text(controls::Form1), " Orvane Treephase Configurator");
    EXPECT_EQ(text(controls::Cb_Sel_Lingua), "English");
    EXPECT_FALSE(tabShown(controls::Tab_Cei_021));
    EXPECT_TRUE(control(controls::Ld_Cum_Cei021)->isHidden());
    EXPECT_TRUE(control(controls::Gr_Dati_Casa)->isHidden());
}

TEST_F(WindowTest, everyControlTheProgramSpeaksToExists) {
    settings("", true);
    // The window's binding finds every control of the table or refuses to start.
    ASSERT_NO_THROW(open());
    click(controls::Bt_Open);
    ASSERT_TRUE(waitFor([&] { return text(controls::Label_Ver_FW) != "0.0.0"; }));
    dialogs_.answers = {true};
    click(controls::Bt_Defaut);
    pick(controls::Cb_Tipo_Batt, 4);
    pick(controls::Cb_Sel_Lingua, 1);
    EXPECT_EQ(text(controls::Cb_Sel_Lingua), "English");
}

TEST_F(WindowTest, startingTheLinkShowsLiveValuesTheClockAndTheFirmware) {
    settings("", true);
    open();
    click(controls::Bt_Open);
    EXPECT_EQ(text(controls::Bt_Open), "Ferma");
    EXPECT_TRUE(control<widgets::Lamp>(controls::Led_Comunicazione)->isActive());
    EXPECT_TRUE(window_->timer1().isActive());

    ASSERT_TRUE(waitFor([&] { return text(controls::Vr_String) == "Comunicazione OK"; }));
    EXPECT_TRUE(
        waitFor([&] { return control<widgets::DigitGroup>(controls::VrAnno)->value() >= 2000; }));
    EXPECT_TRUE(waitFor([&] {  // the grid voltage, once the measurement block is in
        return control<widgets::NumericField>(controls::AbNumEdit20)->value() > 100.0;
    }));
    EXPECT_EQ(text(controls::Label_Ver_FW), " 1. 7. 3");
    EXPECT_GT(control<widgets::NumericField>(controls::Ed_Freq_Rete)->value(), 45.0);

    click(controls::Bt_Open);
    EXPECT_EQ(text(controls::Bt_Open), "Avvia");
    EXPECT_EQ(text(controls::Vr_String), "Fermo");
    EXPECT_FALSE(window_->timer1().isActive());
}

TEST_F(WindowTest, theBusLineFollowsThePollOnItsOwnTimerWithTheDetailsInItsTip) {
    settings("", true);
    open();
    const auto* line = control<QLabel>(controls::Lb_Stato_Bus);
    EXPECT_EQ(text(controls::Lb_Stato_Bus), "Bus: nessuno scambio");
    click(controls::Bt_Open);
    ASSERT_TRUE(waitFor([&] { return text(controls::Lb_Stato_Bus).ends_with(" ms/ciclo"); }))
        << text(controls::Lb_Stato_Bus);
    EXPECT_TRUE(line->toolTip().startsWith(QStringLiteral("Stato del bus dall'ultimo avvio\n")))
        << line->toolTip().toStdString();
    pick(controls::Cb_Sel_Lingua, 1);
    EXPECT_TRUE(text(controls::Lb_Stato_Bus).ends_with(" ms/cycle")) << "at once";
    EXPECT_TRUE(line->toolTip().startsWith(QStringLiteral("Bus health since the last start\n")));
}

TEST_F(WindowTest, switchingLanguageWhileStartedKeepsTheStopCaptionAndSavesTheChoice) {
    settings("", true);
    open();
    click(controls::Bt_Open);
    pick(controls::Cb_Sel_Lingua, 1);
    EXPECT_EQ(text(controls::Bt_Open), "Stop");
    EXPECT_EQ(text(controls::Label_Ver_FW), "0.0.0");
    EXPECT_FALSE(tabShown(controls::Tab_Cei_021));
    EXPECT_NE(savedSettings().find("LINGUA=1\r\n"), std::string::npos);
    pick(controls::Cb_Sel_Lingua, 0);
    EXPECT_EQ(text(controls::Bt_Open), "Ferma");
    EXPECT_TRUE(tabShown(controls::Tab_Cei_021));
}

// Each chart's three buttons act on their own chart; the list picks Trend_1's left scale.
TEST_F(WindowTest, chartButtonsScrollAndClearTheirOwnChart) {
    open();
    using frontend::Control;
    using frontend::ControlKind;
    struct Case {
        Control<ControlKind::TrendChart> chart;
        Control<ControlKind::Button> older;
        Control<ControlKind::Button> clear;
        Control<ControlKind::Button> newer;
    };
    for (const Case& c :
         {Case{controls::Trend_1, controls::Button24, controls::Bt_Clear_Trend, controls::Button23},
          Case{controls::Trend_Trifase, controls::Button1, controls::Bt_Pul_Trend_Trifase,
               controls::Button3}}) {
        auto* chart = control<widgets::TrendChart>(c.chart);
        chart->setRecording(true);
        for (int i = 0; i < 1500; ++i)  // more than the plot shows
            chart->tick();
        const int newestStart = chart->model().viewStart();
        click(c.older);
        EXPECT_FALSE(chart->isFollowing()) << c.chart.name();
        EXPECT_EQ(chart->model().viewStart(), newestStart - chart->gridWidth()) << c.chart.name();
        click(c.newer);
        EXPECT_EQ(chart->model().viewStart(), newestStart) << c.chart.name();
        click(c.clear);
        EXPECT_EQ(chart->model().recordCount(), 0) << c.chart.name();
    }
    pick(controls::Cb_Scala, 3);
    EXPECT_EQ(control<widgets::TrendChart>(controls::Trend_1)->leftScaleChannel(), 4);
}

TEST_F(WindowTest, pickingASkinSavesItAndChangesTheLook) {
    open();
    pick(controls::Combo_Skin, 3);
    EXPECT_EQ(skins_.current(), QStringLiteral("Carbon"));
    EXPECT_NE(savedSettings().find("SKIN=3\r\n"), std::string::npos);
}

TEST_F(WindowTest, importAndExportRunWhileTheWindowStaysFreeAndReportTheirOutcome) {
    settings("", true);
    open();
    click(controls::Bt_Open);
    click(controls::Bt_Importa);  // takes the port from the running link
    // The click returns at once; the transfer goes on under the progress dialog.
    ASSERT_TRUE(QTest::qWaitFor([this] { return !dialogs_.boxes.empty(); }, 10'000));
    ASSERT_EQ(dialogs_.boxes.size(), 1u);
    EXPECT_EQ(dialogs_.boxes[0].text, "Dati importati correttamente");
    EXPECT_FALSE(dialogs_.boxes[0].observed) << "no wait cursor over a window that answers";
    EXPECT_EQ(window_->progress().dialog(), nullptr) << "closed before the outcome";
    EXPECT_NE(control<widgets::NumericField>(controls::Ed_Id_Orvane)->value(), 0.0);
    EXPECT_EQ(text(controls::Bt_Open), "Avvia");
    EXPECT_EQ(text(controls::Vr_String), "Fermo");

    dialogs_.boxes.clear();
    dialogs_.answers = {true, true};
    click(controls::Bt_Scrivi_Eeprom);
    ASSERT_TRUE(QTest::qWaitFor([this] { return dialogs_.boxes.size() >= 3; }, 10'000));
    ASSERT_EQ(dialogs_.boxes.size(), 3u);
    EXPECT_EQ(dialogs_.boxes[0].kind, Box::Question);
    EXPECT_EQ(dialogs_.boxes[1].kind, Box::ChangeQuestion);
    const std::string& outcome = dialogs_.boxes[2].text;
    EXPECT_EQ(outcome.substr(0, outcome.find('\n')), "Dati esportati correttamente");
    // The unit's memory was kept beside the program's settings before it was written.
    const std::string backups = folder_.file("Salvataggi/Backup");
    ASSERT_TRUE(std::filesystem::is_directory(backups));
    for (const auto& kept : std::filesystem::directory_iterator(backups))
        EXPECT_NE(outcome.find(kept.path().string()), std::string::npos) << outcome;
}

TEST_F(WindowTest, closingTheWindowDuringAnImportAbandonsItQuietly) {
    settings("", true);
    open();
    click(controls::Bt_Importa);
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return window_->progress().dialog() != nullptr; }, 10'000));
    EXPECT_TRUE(window_->close());
    EXPECT_EQ(window_->progress().dialog(), nullptr);
    EXPECT_EQ(text(controls::Bt_Open), "Avvia");
    window_.reset();  // nothing of the import may outlive the window
    EXPECT_TRUE(dialogs_.boxes.empty());
}

TEST_F(WindowTest, aFieldTypedOutsideItsLimitsIsMarkedUntilCorrected) {
    open();
    window_->pages().setCurrentWidget(control(controls::Tab_Parametri));
    auto* field = control<widgets::NumericField>(controls::Ed_Capacita);
    const auto typeInto = [field](const char* typed) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(typed));
    };
    EXPECT_FALSE(field->isOutOfRange());
    typeInto("20");
    EXPECT_TRUE(field->isOutOfRange());
    EXPECT_EQ(field->toolTip(), QStringLiteral("Fuori dai limiti: accettati da 25 a 550"));
    EXPECT_EQ(field->accessibleDescription(), field->toolTip());
    pick(controls::Cb_Sel_Lingua, catalogue::English);
    EXPECT_EQ(field->toolTip(), QStringLiteral("Outside its limits: accepted from 25 to 550"));
    typeInto("200");
    EXPECT_FALSE(field->isOutOfRange());
    EXPECT_TRUE(field->toolTip().isEmpty());
    // Values the program sets are judged alike.
    field->setValue(600);
    EXPECT_TRUE(field->isOutOfRange());
}

TEST_F(WindowTest, savedParametersComeBackAfterTheDefaults) {
    open();
    auto* capacity = control<widgets::NumericField>(controls::Ed_Capacita);
    const double defaultCapacity = capacity->value();
    capacity->setValue(defaultCapacity + 20);
    const std::string file = folder_.file("mine");
    fileDialogs_.chosen = file;
    click(controls::Bt_Salva_Disco);
    EXPECT_TRUE(dialogs_.boxes.empty()) << dialogs_.boxes.front().text;
    ASSERT_EQ(fileDialogs_.saves.size(), 1u);
    EXPECT_EQ(fileDialogs_.saves[0].initialFolder, folder_.file("Salvataggi"));
    EXPECT_EQ(fileDialogs_.saves[0].proposedName.rfind("Orvane_", 0), 0u);

    dialogs_.answers = {true};
    click(controls::Bt_Defaut);
    EXPECT_EQ(capacity->value(), defaultCapacity);
    fileDialogs_.chosen = file + ".ovn";
    click(controls::Bt_Leggi_Disco);
    ASSERT_EQ(fileDialogs_.opens.size(), 1u);
    EXPECT_EQ(fileDialogs_.opens[0].extensionOrFilter, "Orvane Files (*.ovn)");
    EXPECT_EQ(capacity->value(), defaultCapacity + 20);
}

// What the operator types reaches neither the unit nor a file as another number.
TEST_F(WindowTest, typedTextAFieldCannotHoldIsKeptAndRefusedAtExportAndSave) {
    open();
    window_->pages().setCurrentWidget(control(controls::Tab_Parametri));
    struct Case {
        frontend::Control<frontend::ControlKind::NumericField> field;
        const char* typed;
        const char* message;
    };
    for (const Case& c :
         {Case{controls::Ed_Capacita, "1e30", "Errore n\u00B0 1 in Impostazione Parametri"},
          Case{controls::Ed_Ind_1, "300",
               "Indirizzo IP: ogni ottetto deve essere un numero da 0 a 255"},
          Case{controls::Ed_Max_W_Mppt, "--5",
               "Massima Potenza Mppt: il valore deve essere un numero da 0 a 65535"}}) {
        auto* field = control<widgets::NumericField>(c.field);
        const double before = field->value();
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(c.typed));
        field->clearFocus();
        EXPECT_EQ(field->text(), QString::fromLatin1(c.typed));

        dialogs_.boxes.clear();
        dialogs_.answers = {true};
        click(controls::Bt_Scrivi_Eeprom);
        click(controls::Bt_Salva_Disco);
        ASSERT_EQ(dialogs_.boxes.size(), 3u) << c.field;
        EXPECT_EQ(dialogs_.boxes[1].kind, Box::Error);
        EXPECT_EQ(dialogs_.boxes[1].text, c.message);
        EXPECT_EQ(dialogs_.boxes[2].text, c.message);
        EXPECT_TRUE(fileDialogs_.saves.empty()) << "no file dialog";
        field->setValue(before);
    }
}

TEST_F(WindowTest, aLanguageSwitchKeepsTheSelectedTypesAndTheSaveWritesThem) {
    open();
    pick(controls::Cb_Tipo_Batt, 4);
    pick(controls::Cb_Sel_Lingua, 1);
    EXPECT_EQ(text(controls::Cb_Tipo_Batt), "Free Parameters");
    EXPECT_FALSE(control(controls::Gr_Par_Avanzati)->isHidden());
    EXPECT_FALSE(control(controls::Gr_Conf_Libera)->isHidden());
    EXPECT_EQ(text(controls::Lb_Soglia_Finecarica), "End-charge Threshold: ");

    pick(controls::Cb_Tipo_Batt, 6);
    pick(controls::Cb_Tipo_Inverter, 3);
    pick(controls::Cb_Sel_Lingua, 0);
    EXPECT_EQ(text(controls::Cb_Tipo_Batt), "Pylontech Litio");
    EXPECT_EQ(text(controls::Cb_Tipo_Inverter), "Tipo D");
    EXPECT_TRUE(control(controls::Gr_Conf_Libera)->isHidden());

    fileDialogs_.chosen = folder_.file("kept");
    click(controls::Bt_Salva_Disco);
    const std::string saved = folder_.read("kept.ovn").value_or("");
    EXPECT_NE(saved.find("TIPO_BATT=6\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("TIPO_INVERTER=3\r\n"), std::string::npos) << saved;
}

// Adapter names are long; the closed list has room for what tells the adapter apart.
TEST_F(WindowTest, theClosedPortListShowsTheAdapterAndTheTipAndOpenListTheWholeEntry) {
    const std::string byId = "/dev/serial/by-id/usb-FTDI_USB-RS485_Cable_FT0ABCDE-if00-port0";
    devices_ = {{byId, "FTDI USB-RS485 Cable"}};
    open();
    auto* ports = control<ui::PortList>(controls::Cb_Sel_Porta);
    ASSERT_NE(ports, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);  // the strip laid out
    const QString whole =
        QString::fromStdString("COM 1 \u2014 " + byId + " (FTDI USB-RS485 Cable)");
    EXPECT_EQ(ports->currentText(), whole);
    EXPECT_EQ(ports->shownText(), QString::fromUtf8("COM 1 \u2014 FTDI USB-RS485 Cable"));
    EXPECT_EQ(ports->toolTip(), whole);
    ports->showPopup();
    EXPECT_GE(ports->view()->viewport()->width(),
              ports->view()->fontMetrics().horizontalAdvance(whole));
    ports->hidePopup();
}

TEST_F(WindowTest, aLanguageSwitchRewordsThePortListAndKeepsItsLabelsAndSelection) {
    const std::string byId = "/dev/serial/by-id/usb-FTDI_USB-RS485_Cable_FT0ABCDE-if00-port0";
    devices_ = {{byId, "FTDI USB-RS485 Cable"}};
    open();
    auto* ports = control<ui::PortList>(controls::Cb_Sel_Porta);
    EXPECT_EQ(ports->itemText(1), QString::fromUtf8("COM 2 \u2014 nessuno"));

    pick(controls::Cb_Sel_Lingua, 1);
    EXPECT_EQ(ports->itemText(1), QString::fromUtf8("COM 2 \u2014 none"));
    EXPECT_EQ(ports->itemData(1, ui::PortList::LabelRole).toString(),
              QString::fromUtf8("COM 2 \u2014 none"));
    EXPECT_EQ(ports->currentIndex(), 0);
    EXPECT_EQ(ports->shownText(), QString::fromUtf8("COM 1 \u2014 FTDI USB-RS485 Cable"));
    EXPECT_EQ(ports->toolTip(), ports->currentText());
}

TEST_F(WindowTest, theDefaultsQuestionIsARealYesNoBox) {
    open(/*realDialogs=*/true);
    auto* capacity = control<widgets::NumericField>(controls::Ed_Capacita);
    const double defaultCapacity = capacity->value();
    capacity->setValue(defaultCapacity + 20);
    QString asked;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    control<QAbstractButton>(controls::Bt_Defaut)->click();  // queues its handler
    QTimer::singleShot(0, [&] {  // runs inside the box the handler opens
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        asked = box->text();
        icon = box->icon();
        box->button(QMessageBox::Yes)->click();
    });
    runQueuedHandlers();
    EXPECT_EQ(asked, QStringLiteral("Si vogliono caricare i dati di default ?"));
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(capacity->value(), defaultCapacity);
}

}  // namespace
}  // namespace orvane::testing
