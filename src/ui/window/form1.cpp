#include "ui/window/form1.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <tuple>

#include "link/posix_serial_port.h"
#include "params/field_table.h"
#include "params/range_marks.h"
#include "ui/pages/advanced_page.h"
#include "ui/pages/control_widgets.h"
#include "ui/pages/grid_service_page.h"
#include "ui/pages/journal_page.h"
#include "ui/pages/lan_page.h"
#include "ui/pages/link_strip.h"
#include "ui/pages/parameters_page.h"
#include "ui/pages/port_list.h"
#include "ui/pages/three_phase_page.h"
#include "ui/pages/trend_page.h"
#include "ui/skins/skin_switcher.h"
#include "ui/window/accessible_names.h"
#include "ui/window/journal_table_model.h"
#include "ui/window/progress_dialog.h"
#include "ui/window/qt_dialogs.h"
#include "ui/window/qt_link_events.h"
#include "ui/window/qt_screen.h"
#include "ui/window/qt_text.h"
#include "ui/window/window_placement.h"
#include "widgets/numeric_field.h"
#include "widgets/trend_chart.h"

namespace orvane::ui {

namespace {

namespace controls = frontend::controls;

// The window's client area and its place on the screen before the stored one is applied.
constexpr QSize ClientSize{1118, 720};
constexpr QPoint DesignPosition{464, 5};

}  // namespace

Form1::Form1(SkinSwitcher& skins, Form1Options options) : skins_(skins) {
    NameSelf(*this, controls::Form1);
    buildLayout();

    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(kPollIntervalMs);
    timer1_.setTimerType(Qt::PreciseTimer);

    screen_ = std::make_unique<QtScreen>(*this, *pages_);
    qtDialogs_ = std::make_unique<QtDialogs>(this);
    if (options.port == nullptr)
        ownPort_ = std::make_unique<link::PosixSerialPort>();
    if (options.delay == nullptr)
        ownDelay_ = std::make_unique<link::SystemDelay>();
    if (options.clock == nullptr)
        ownClock_ = std::make_unique<monitor::SystemLocalClock>();
    if (!options.presentDevices)
        options.presentDevices = link::DiscoverSerialDevices;

    link::SerialPort& port = options.port != nullptr ? *options.port : *ownPort_;
    ui::ProgramServices services{
        *screen_,
        *screen_,
        *screen_,
        options.dialogs != nullptr ? *options.dialogs : *qtDialogs_,
        options.fileDialogs != nullptr ? *options.fileDialogs : *qtDialogs_,
        *this,
        options.clock != nullptr ? *options.clock : *ownClock_,
        steadyClock_,
        port,
        options.delay != nullptr ? *options.delay : *ownDelay_,
        files_,
        workingDirectory_,
        options.presentDevices};
    if (!options.blockingLink) {
        linkEvents_ = std::make_unique<QtLinkEvents>(port);
        services.linkEvents = linkEvents_.get();
    }
    progress_ = std::make_unique<QtTransferProgress>(*this);
    services.progress = progress_.get();
    session_ = std::make_unique<Session>(services, static_cast<WindowFrame&>(*this));
    progress_->setLanguage(session_->program().language);

    journalModel_ =
        new JournalTableModel(session_->program().journal, session_->program().language, this);
    static_cast<QTableView*>(screen_->widget(controls::Tv_Registro))->setModel(journalModel_);
    connectHandlers();
    auto* ports = static_cast<PortList*>(screen_->widget(controls::Cb_Sel_Porta));
    connect(ports, &QComboBox::currentTextChanged, ports, &QWidget::setToolTip);
    session_->FormCreate();
    labelPortEntries();

    busLineTimer_.setInterval(kBusLineIntervalMs);
    connect(&busLineTimer_, &QTimer::timeout, this,
            [this] { session_->program().busLine.refresh(); });
    busLineTimer_.start();
}

void Form1::labelPortEntries() {
    // The closed box shows the short label of the chosen entry; the tip the whole of it.
    const ui::Program& p = session_->program();
    const std::string_view noDevice = p.language.text(catalogue::row::NoDevice);
    auto* ports = static_cast<PortList*>(screen_->widget(controls::Cb_Sel_Porta));
    for (int index = 0; index < ports->count(); ++index)
        ports->setItemData(index, ToQString(p.ports.entryLabel(index, noDevice)),
                           PortList::LabelRole);
    ports->updateGeometry();
    ports->setToolTip(ports->currentText());
}

Form1::~Form1() {
    // The journal table's model listens to the session's journal, which goes first.
    delete journalModel_;
}

void Form1::buildLayout() {
    resize(ClientSize);
    move(DesignPosition);

    pages_ = Build(controls::Pg_Controllo, this);
    pages_->addTab(new TrendPage, QString());
    pages_->addTab(new ThreePhasePage, QString());
    pages_->addTab(new ParametersPage, QString());
    pages_->addTab(new LanPage, QString());
    pages_->addTab(new AdvancedPage, QString());
    pages_->addTab(new GridServicePage, QString());
    pages_->addTab(new JournalPage, QString());
    pages_->setCurrentIndex(0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 4);
    layout->setSpacing(4);
    layout->addWidget(pages_, 1);
    layout->addWidget(new LinkStrip);
}

void Form1::connectHandlers() {
    using frontend::ControlKind;
    using Clickable = frontend::AnyOf<ControlKind::Button, ControlKind::LargeButton>;
    const auto onClick = [this](Clickable button, auto handler) {
        connect(static_cast<QAbstractButton*>(screen_->widget(button)), &QAbstractButton::clicked,
                this, handler);
    };
    // The session's button handlers may open a message box. They run from a queued call, so
    // whoever pressed the button (an assistive tool's press action too) gets control back at
    // once instead of waiting for the box. Captions they change rename their controls.
    const auto onCommand = [this](Clickable button, auto handler) {
        connect(
            static_cast<QAbstractButton*>(screen_->widget(button)), &QAbstractButton::clicked, this,
            [this, handler] {
                handler();
                refreshAccessibleNames();
            },
            Qt::QueuedConnection);
    };
    // Lists react to the operator's picks only; the program's own selections stay silent.
    const auto onPick = [this](frontend::ListControl list, auto handler) {
        connect(static_cast<QComboBox*>(screen_->widget(list)), &QComboBox::activated, this,
                handler);
    };
    ui::Program& s = session_->program();

    connect(&timer1_, &QTimer::timeout, this, &Form1::Timer1Timer);
    onCommand(controls::Bt_Open, [&s] { s.linkControl.Bt_OpenClick(); });

    // The trend charts' own controls.
    const auto chartButtons = [&](frontend::Chart which, Clickable older, Clickable clear,
                                  Clickable newer) {
        auto* chart =
            static_cast<widgets::TrendChart*>(screen_->widget(frontend::ChartControl(which)));
        onClick(older, [chart] { chart->pageOlder(); });
        onClick(clear, [chart] { chart->clear(); });
        onClick(newer, [chart] { chart->pageNewer(); });
    };
    chartButtons(frontend::Chart::Trend1, controls::Button24, controls::Bt_Clear_Trend,
                 controls::Button23);
    chartButtons(frontend::Chart::Trifase, controls::Button1, controls::Bt_Pul_Trend_Trifase,
                 controls::Button3);
    auto* trend = static_cast<widgets::TrendChart*>(screen_->widget(controls::Trend_1));
    onPick(controls::Cb_Scala, [trend](int index) { trend->setLeftScaleChannel(index + 1); });

    // What the program remembers: the recording, the charts' exports and the journal.
    onCommand(controls::Bt_Registra, [&s] { s.recorder.Bt_RegistraClick(); });
    ChartExport& charts = s.chartExport;
    for (const auto& [which, records, picture] :
         {std::tuple{frontend::Chart::Trend1, Clickable(controls::Bt_Esporta_Trend_Csv),
                     Clickable(controls::Bt_Esporta_Trend_Png)},
          std::tuple{frontend::Chart::Trifase, Clickable(controls::Bt_Esporta_Trifase_Csv),
                     Clickable(controls::Bt_Esporta_Trifase_Png)}}) {
        const frontend::Chart chart = which;
        onCommand(records, [&charts, chart] { charts.saveRecords(chart); });
        onCommand(picture, [&charts, chart] { charts.savePicture(chart); });
    }
    journal::JournalButtons& journal = s.journalButtons;
    onCommand(controls::Bt_Esporta_Registro, [&journal] { journal.Bt_Esporta_RegistroClick(); });
    onCommand(controls::Bt_Pulisci_Registro, [&journal] { journal.Bt_Pulisci_RegistroClick(); });

    // Commands to the unit.
    monitor::DeviceCommands& c = s.commands;
    onCommand(controls::Bt_Blocco, [&c] { c.Bt_BloccoClick(); });
    onCommand(controls::Bt_Riavvio, [&c] { c.Bt_RiavvioClick(); });
    onCommand(controls::Bt_Carica_Completa, [&c] { c.Bt_Carica_CompletaClick(); });
    onCommand(controls::Bt_Set_Clock, [&c] { c.Bt_Set_ClockClick(); });
    onCommand(controls::Bt_Cambio_Batteria, [&c] { c.Bt_Cambio_BatteriaClick(); });
    onCommand(controls::Bt_Reset_Accumulo, [&c] { c.Bt_Reset_AccumuloClick(); });
    onCommand(controls::Bt_Azzera_All_Carica, [&c] { c.Bt_Azzera_All_CaricaClick(); });

    // Parameters: the unit's memory, the defaults, the battery type and the files.
    onCommand(controls::Bt_Scrivi_Eeprom,
              [this, &s] { runTransfer([&s] { s.parameterExport.Bt_Scrivi_EepromClick(); }); });
    onCommand(controls::Bt_Importa,
              [this, &s] { runTransfer([&s] { s.parameterImport.Bt_ImportaClick(); }); });
    onCommand(controls::Bt_Defaut, [&s] { s.defaults.Bt_DefautClick(); });
    onCommand(controls::Bt_Confronta,
              [this, &s] { runTransfer([&s] { s.parameterCompare.Bt_ConfrontaClick(); }); });
    onPick(controls::Cb_Tipo_Batt, [this, &s] {
        s.freeConfiguration.Cb_Tipo_BattChange();
        refreshAccessibleNames();  // the free rows are captioned only while shown
    });
    onCommand(controls::Bt_Salva_Disco, [&s] { s.parameterFiles.Bt_Salva_DiscoClick(); });
    onCommand(controls::Bt_Leggi_Disco, [&s] { s.parameterFiles.Bt_Leggi_DiscoClick(); });
    onCommand(controls::Bt_Confronta_Disco, [&s] { s.parameterFiles.Bt_Confronta_DiscoClick(); });

    // Parameter fields are marked while their value is outside its limits.
    for (const params::FieldDescriptor& d : params::FieldTable()) {
        if (!params::IsTyped(d))
            continue;
        auto* field = static_cast<widgets::NumericField*>(
            screen_->widget(d.controlAs<params::NumberFieldControl>()));
        connect(field, &widgets::NumericField::entryChanged, this,
                [this, f = d.field] { session_->ParameterFieldChanged(f); });
    }

    // The program's own settings.
    Session& session = *session_;
    onPick(controls::Combo_Skin, [&session] { session.Combo_SkinChange(); });
    onPick(controls::Cb_Sel_Lingua, [this, &session] {
        session.Cb_Sel_LinguaChange();
        labelPortEntries();  // the list came back in the new language
        journalModel_->languageChanged();
        refreshAccessibleNames();
    });
}

void Form1::Timer1Timer() {
    // On the blocking link a tick holds the loop until its answer is in; should a dialog's
    // event loop deliver the next timeout meanwhile, that tick is skipped rather than nested.
    if (inTick_)
        return;
    inTick_ = true;
    session_->program().live.Timer1Timer();
    inTick_ = false;
}

void Form1::runTransfer(const std::function<void()>& transfer) {
    // On the event-driven link the transfer only begins here and the progress dialog tells
    // how it goes; a wait cursor would stand over a window that answers.
    if (linkEvents_ != nullptr) {
        transfer();
        return;
    }
    const BusyCursor busy;
    transfer();
}

void Form1::refreshAccessibleNames() {
    RefreshAccessibleNames(*this, *screen_);
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_ || event->spontaneous())
        return;
    shown_ = true;
    session_->FormShow();
    labelPortEntries();
    journalModel_->languageChanged();
    refreshAccessibleNames();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!session_->FormCloseQuery()) {
        event->ignore();
        return;
    }
    // A transfer under way was abandoned with the port: it will not close its dialog.
    progress_->close();
    event->accept();
}

void Form1::moveTo(int left, int top) {
    // The frame's size includes the title bar once the window is shown.
    const QRect wanted(QPoint(left, top), frameGeometry().size());
    move(FittedPosition(wanted, AvailableAreaFor(wanted)));
}

int Form1::left() const {
    return x();
}

int Form1::top() const {
    return y();
}

void Form1::setRunning(bool running) {
    if (!running)
        timer1_.stop();
    else if (!timer1_.isActive())
        timer1_.start();
}

bool Form1::applySkin(std::string_view name) {
    return skins_.apply(ToQString(name));
}

}  // namespace orvane::ui
