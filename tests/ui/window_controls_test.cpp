// The window's pages and strip against the contract the window and the cores rely on: every
// control name the cores write exists exactly once with the widget class the binding
// expects, the pages carry only their fixed design texts, the channel colours survive skins,
// every input and indicator is named by a caption, and the pages fit the page control.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "params/field_table.h"
#include "params/limit_labels.h"
#include "storage/skin_names.h"
#include "support/program_rig.h"
#include "ui/core/language_application.h"
#include "ui/core/snapshot_view_table.h"
#include "ui/pages/advanced_page.h"
#include "ui/pages/control_widgets.h"
#include "ui/pages/grid_service_page.h"
#include "ui/pages/journal_page.h"
#include "ui/pages/lan_page.h"
#include "ui/pages/link_strip.h"
#include "ui/pages/parameters_page.h"
#include "ui/pages/three_phase_page.h"
#include "ui/pages/trend_page.h"
#include "ui/skins/skin_palette.h"
#include "ui/skins/skin_switcher.h"
#include "ui/window/qt_screen.h"
#include "widgets/digit_group.h"
#include "widgets/lamp.h"
#include "widgets/large_button.h"
#include "widgets/led_matrix_line.h"
#include "widgets/numeric_field.h"
#include "widgets/spin_field.h"
#include "widgets/styled_label.h"
#include "widgets/trend_chart.h"

namespace orvane::ui {

namespace controls = orvane::frontend::controls;
namespace {

QString Q(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

std::string Name(frontend::AnyControl control) {
    return std::string(control.name());
}

// Every control of the table but the window itself, which is not its own child. The cores
// can name no other control.
std::vector<std::string> TableNames() {
    std::vector<std::string> names;
    for (const frontend::ControlInfo& c : frontend::ControlTable)
        if (c.kind != frontend::ControlKind::Window)
            names.emplace_back(c.name);
    return names;
}

// The class the window's binding expects behind a name: exceptions first, then by prefix.
std::string ExpectedClass(const std::string& name) {
    static const std::map<std::string_view, std::string> exceptions = {
        {controls::Pg_Controllo.name(), "QTabWidget"},
        {controls::Tab_Trend.name(), "orvane::ui::TrendPage"},
        {controls::Tab_Trifase.name(), "orvane::ui::ThreePhasePage"},
        {controls::Tab_Parametri.name(), "orvane::ui::ParametersPage"},
        {controls::Tab_Lan.name(), "orvane::ui::LanPage"},
        {controls::Tab_Orologio.name(), "orvane::ui::AdvancedPage"},
        {controls::Tab_Cei_021.name(), "orvane::ui::GridServicePage"},
        {controls::Tab_Registro.name(), "orvane::ui::JournalPage"},
        {controls::Lb_Data.name(), "orvane::widgets::StyledLabel"},
        {controls::Lb_Ora.name(), "orvane::widgets::StyledLabel"},
        {controls::Bt_Carica_Completa.name(), "orvane::widgets::LargeButton"},
        {controls::Bt_Blocco.name(), "orvane::widgets::LargeButton"},
        {controls::Bt_Riavvio.name(), "orvane::widgets::LargeButton"},
        {controls::Ck_Ser_Remoto.name(), "QRadioButton"},
        {controls::Ck_Ser_Locale.name(), "QRadioButton"},
        {controls::Ck_Agg_Clock.name(), "orvane::widgets::CheckLamp"},
        {controls::Ed_Nome_Netbios.name(), "QLineEdit"},
        {controls::Ed_Combo_Ritardo.name(), "QComboBox"},
        {controls::Cb_Sel_Porta.name(), "orvane::ui::PortList"},
        {controls::Sel_Data.name(), "QDateEdit"},
        {controls::Vr_String.name(), "orvane::widgets::LedMatrixLine"},
    };
    static const std::pair<const char*, const char*> prefixes[] = {
        {"Gr_", "QGroupBox"},
        {"Grp_", "QGroupBox"},
        {"Gruppo_", "QGroupBox"},
        {"Lb_", "QLabel"},
        {"Label", "QLabel"},
        {"Str_Lb_", "QLabel"},
        {"Bt_", "QPushButton"},
        {"Button", "QPushButton"},
        {"Ck_", "QCheckBox"},
        {"Rd_", "QRadioButton"},
        {"Cb_", "QComboBox"},
        {"Combo_", "QComboBox"},
        {"Ed_", "orvane::widgets::NumericField"},
        {"AbNumEdit", "orvane::widgets::NumericField"},
        {"Num_", "orvane::widgets::SpinField"},
        {"Ld_", "orvane::widgets::Lamp"},
        {"Led_", "orvane::widgets::Lamp"},
        {"VrUserLed", "orvane::widgets::Lamp"},
        {"Vr", "orvane::widgets::DigitGroup"},
        {"Trend_", "orvane::widgets::TrendChart"},
        {"Tv_", "QTableView"},
        {"Immagine_", "orvane::ui::ProductPicture"},
    };
    if (const auto it = exceptions.find(name); it != exceptions.end())
        return it->second;
    for (const auto& [prefix, cls] : prefixes)
        if (name.starts_with(prefix))
            return cls;
    return "(no class for this name)";
}

// The seven pages in the page control at its design size with the strip under it, as the
// window holds them, laid out in the program's 8-point font.
class WindowControls : public ::testing::Test {
  protected:
    void SetUp() override {
        savedFont_ = QApplication::font();
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
        NameSelf(window, controls::Form1);
        auto* column = new QVBoxLayout(&window);
        column->setContentsMargins(8, 8, 8, 4);
        column->setSpacing(4);
        tabs = Build(controls::Pg_Controllo);
        tabs->addTab(new TrendPage, QString());
        tabs->addTab(new ThreePhasePage, QString());
        tabs->addTab(new ParametersPage, QString());
        tabs->addTab(new LanPage, QString());
        tabs->addTab(new AdvancedPage, QString());
        tabs->addTab(new GridServicePage, QString());
        tabs->addTab(new JournalPage, QString());
        tabs->setFixedSize(1097, 649);
        column->addWidget(tabs);
        column->addWidget(strip = new LinkStrip);
        column->addStretch();
        window.resize(1118, 720);
        screen = std::make_unique<QtScreen>(window, *tabs);
    }
    void TearDown() override { QApplication::setFont(savedFont_); }

    QWidget* named(frontend::AnyControl c) const { return screen->widget(c); }

    // The language's texts written through the window's own binding, and the parameter page
    // in the free configuration or not.
    void applyLanguage(int languageIndex, bool freeConfiguration) {
        testing::ProgramRig rig({.screen = screen.get(), .input = screen.get()});
        ui::Program& p = rig.program;
        p.language.LanguageIndex = languageIndex;
        ApplyLanguage(*screen, *screen, p.freeConfiguration, p.language, false, p.poll);
        params::ShowLimitLabels(*screen, params::LimitLabelGroup::GridService, languageIndex);
        if (freeConfiguration)
            p.freeConfiguration.ShowFreeConfiguration();
        else
            p.freeConfiguration.HideFreeConfiguration();
    }

    QWidget window;
    QTabWidget* tabs = nullptr;
    LinkStrip* strip = nullptr;
    std::unique_ptr<QtScreen> screen;

  private:
    QFont savedFont_;
};

TEST_F(WindowControls, everyNamedControlExistsOnceWithTheClassTheWindowBindsTo) {
    for (const std::string& name : TableNames()) {
        const QList<QWidget*> found = window.findChildren<QWidget*>(Q(name));
        ASSERT_EQ(found.size(), 1) << name;
        const std::string actual = found.front()->metaObject()->className();
        // The channel-coloured labels are labels of their own kind; the binding sees a QLabel.
        if (actual == "orvane::ui::ChannelLabel") {
            EXPECT_EQ(ExpectedClass(name), "QLabel") << name;
            continue;
        }
        EXPECT_EQ(actual, ExpectedClass(name)) << name;
    }
}

TEST_F(WindowControls, theBindingRefusesAWindowWithAControlMissingOrOfAnotherClass) {
    delete named(controls::Ld_Sovra_Filtro);
    QWidget* lamp = named(controls::Ld_Sotto_Filtro);
    auto* impostor = new QLabel(lamp->parentWidget());
    delete lamp;
    impostor->setObjectName(Q(controls::Ld_Sotto_Filtro.name()));
    try {
        QtScreen binding(window, *tabs);
        FAIL() << "a window without its controls was accepted";
    } catch (const std::logic_error& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("Ld_Sovra_Filtro (missing)"), std::string::npos) << what;
        EXPECT_NE(what.find("Ld_Sotto_Filtro (QLabel)"), std::string::npos) << what;
    }
}

TEST_F(WindowControls, pagesCarryOnlyTheirFixedDesignTexts) {
    // Keyed by the control's name, or by its group's for the unnamed unit labels; in
    // reading order. Everything else waits for the window's language texts.
    const std::vector<std::string> volts = {" Volt", "Ampere", "Watt"};
    const std::vector<std::string> phase = {"[V]", "[A]", "[W]"};
    const std::map<std::string, std::vector<std::string>> expected = {
        {Name(controls::Label1), {"Porta "}},
        {Name(controls::Label68), {"V:1.7.3 "}},
        {Name(controls::Label7), {"Versione : "}},
        {Name(controls::Button24), {"<--"}},
        {Name(controls::Button23), {"-->"}},
        {Name(controls::Button1), {"<--"}},
        {Name(controls::Button3), {"-->"}},
        {Name(controls::Grp_Combo), {"Skin Sw PC"}},
        {Name(controls::Label320), {"[ms]"}},
        {Name(controls::Lb_Soglia_Temp_Batt_Blocco), {"\u00B0C*10 "}},
        {Name(controls::Ck_V_Batt), {"Ab."}},
        {Name(controls::Ck_I_Batt), {"Ab."}},
        {Name(controls::Ck_P_Pann), {"Ab."}},
        {Name(controls::Ck_P_Rete), {"Ab."}},
        {Name(controls::Ck_P_Casa), {"Ab."}},
        {Name(controls::Ck_T_Diss), {"Ab."}},
        {Name(controls::Ck_Temp_CB), {"Ab."}},
        {Name(controls::Gr_Dati_Batteria), {" Volt ", "Ampere", " Watt"}},
        {Name(controls::Gr_Dati_Pannello), {" Volt", " Watt"}},
        {Name(controls::Gr_Dati_Rete), volts},
        {Name(controls::Gr_Dati_Casa), volts},
        {Name(controls::Gr_Gruppo_Temperature), {"\u00B0C", "\u00B0C", "\u00B0C"}},
        {Name(controls::Gr_Dati_Funzionali), {"%", "[Ah]", "[Hz]"}},
        {Name(controls::Gr_Fase_R), phase},
        {Name(controls::Gr_Fase_S), phase},
        {Name(controls::Gr_Fase_T), phase},
        {Name(controls::Gr_Globali_Trif), {"[W]"}},
        {Name(controls::Gr_Dati_Eth), std::vector<std::string>(15, " . ")},
        {Name(controls::Gr_Lettura_Clock), {"/", "/", ":", ":"}},
    };

    std::map<std::string, std::vector<std::string>> shown;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w))
            text = label->text();
        else if (auto* styled = qobject_cast<widgets::StyledLabel*>(w))
            text = styled->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            text = group->title();
        else if (auto* chart = qobject_cast<widgets::TrendChart*>(w))
            text = chart->caption();
        if (text.trimmed().isEmpty())
            continue;  // language captions not yet written; swatches are checked below
        QWidget* owner = w;
        while (owner != nullptr && owner->objectName().isEmpty())
            owner = owner->parentWidget();
        if (owner != w)  // an unnamed label speaks for its group
            while (owner != nullptr && qobject_cast<QGroupBox*>(owner) == nullptr)
                owner = owner->parentWidget();
        shown[owner != nullptr ? owner->objectName().toStdString() : "?"].push_back(
            text.toStdString());
    }
    EXPECT_EQ(shown, expected);
}

TEST_F(WindowControls, channelColoursAreTheirOwnUnderEverySkin) {
    struct Coloured {
        frontend::AnyControl control;
        QColor colour;
    };
    const QColor lime(0, 255, 0), yellow(255, 255, 0), red(255, 0, 0), fuchsia(255, 0, 255),
        orange(255, 128, 64), aqua(0, 255, 255), highlight(255, 255, 255);
    const Coloured swatches[] = {
        {controls::Lb_Col_tr_1, fuchsia},  {controls::Label24, red},
        {controls::Label25, orange},       {controls::Label26, lime},
        {controls::Label27, yellow},       {controls::Label28, aqua},
        {controls::Label29, highlight},    {controls::Lb_Col_Fase_R, lime},
        {controls::Lb_Col_Fase_S, yellow}, {controls::Lb_Col_Fase_T, red},
    };
    const Coloured captions[] = {
        {controls::Lb_V_Batt, fuchsia},        {controls::Lb_P_Batteria, red},
        {controls::Lb_P_Pannello, orange},     {controls::Lb_Pot_Rete, lime},
        {controls::Lb_Pot_Casa, yellow},       {controls::Lb_Temp_Erogazione, aqua},
        {controls::Lb_Diss_Carica, highlight},
    };
    auto checkColour = [](QLabel* label, const QColor& colour) {
        ASSERT_NE(label, nullptr);
        EXPECT_TRUE(HasFixedColour(label)) << label->objectName().toStdString();
        EXPECT_TRUE(label->autoFillBackground()) << label->objectName().toStdString();
        EXPECT_EQ(label->palette().color(QPalette::Window), colour)
            << label->objectName().toStdString();
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    };
    for (const Coloured& s : swatches) {
        auto* swatch = window.findChild<QLabel*>(Q(s.control.name()));
        checkColour(swatch, s.colour);
        EXPECT_EQ(swatch->text(), QStringLiteral("    "));
    }
    for (const Coloured& c : captions)
        checkColour(window.findChild<QLabel*>(Q(c.control.name())), c.colour);

    const Coloured commands[] = {{controls::Bt_Carica_Completa, QColor(0, 128, 128)},
                                 {controls::Bt_Blocco, red},
                                 {controls::Bt_Riavvio, lime}};
    for (const Coloured& c : commands) {
        auto* button = window.findChild<widgets::LargeButton*>(Q(c.control.name()));
        ASSERT_NE(button, nullptr) << c.control.name();
        EXPECT_TRUE(HasFixedColour(button)) << c.control.name();
        EXPECT_EQ(button->colour(), c.colour) << c.control.name();
    }
}

TEST_F(WindowControls, everyInputAndIndicatorIsNamedByACaption) {
    std::set<const QWidget*> captioned;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() == nullptr)
            continue;
        // A buddy caption must itself be findable, or the window cannot write it.
        EXPECT_FALSE(label->objectName().isEmpty()) << label->buddy()->objectName().toStdString();
        captioned.insert(label->buddy());
    }
    int checked = 0;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const bool inputOrIndicator =
            qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QDateEdit*>(w) || qobject_cast<widgets::Lamp*>(w) ||
            qobject_cast<widgets::DigitGroup*>(w) || qobject_cast<widgets::LedMatrixLine*>(w) ||
            qobject_cast<widgets::TrendChart*>(w);
        // Skips the inner editor of the date picker.
        if (!inputOrIndicator || w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;
        ++checked;
        const std::string name = w->objectName().toStdString();
        QStringList sources;
        for (const QVariant& id : w->property("orvaneNameFrom").toList())
            sources.append(Q(frontend::NameOf(static_cast<frontend::ControlId>(id.toInt()))));
        if (sources.isEmpty()) {
            EXPECT_TRUE(captioned.contains(w)) << name << " has no caption";
            continue;
        }
        EXPECT_FALSE(captioned.contains(w)) << name << " is named twice";
        for (const QString& from : sources) {
            QWidget* source = window.findChild<QWidget*>(from);
            if (source == nullptr && from == w->objectName())
                source = w;  // a chart is named by its own caption
            ASSERT_NE(source, nullptr) << name << " is named by a missing " << from.toStdString();
            EXPECT_TRUE(qobject_cast<QLabel*>(source) || qobject_cast<QGroupBox*>(source) ||
                        qobject_cast<widgets::StyledLabel*>(source) ||
                        qobject_cast<widgets::TrendChart*>(source))
                << name << " is named by " << from.toStdString() << ", which has no caption";
        }
    }
    EXPECT_GT(checked, 100);  // the walk really reached the pages
}

TEST_F(WindowControls, fieldsAreSetUpForWhatFeedsThem) {
    // The unit rewrites the live fields every tick; the operator edits the parameters.
    auto field = [&](std::string_view name) {
        auto* f = window.findChild<widgets::NumericField*>(Q(name));
        EXPECT_NE(f, nullptr) << name;
        return f;
    };
    for (const ui::SnapshotWrite& write : ui::SnapshotWrites) {
        if (const auto* number = std::get_if<ui::ShowNumber>(&write)) {
            EXPECT_TRUE(field(number->field.name())->isReadOnly()) << number->field.name();
        }
    }
    for (const params::FieldDescriptor& d : params::FieldTable()) {
        if (d.kind != params::FieldKind::Numeric && d.kind != params::FieldKind::Octet)
            continue;
        const std::string_view name = frontend::NameOf(d.controlId());
        widgets::NumericField* f = field(name);
        EXPECT_FALSE(f->isReadOnly()) << name;
        EXPECT_EQ(f->format(), QStringLiteral("#0.#")) << name;
        if (d.kind == params::FieldKind::Octet) {
            EXPECT_TRUE(f->hasLowerLimit() && f->hasUpperLimit()) << name;
            EXPECT_EQ(f->lowerLimit(), 0);
            EXPECT_EQ(f->upperLimit(), 255);
        }
    }
    EXPECT_EQ(field(controls::Ed_Freq_Rete.name())->format(), QStringLiteral("#0.0#"));
    EXPECT_EQ(field(controls::AbNumEdit20.name())->format(), QStringLiteral("#0.#"));

    const std::pair<std::string_view, int> spins[] = {{controls::Num_Ora.name(), 23},
                                                      {controls::Num_Minuti.name(), 59},
                                                      {controls::Num_Secondi.name(), 59}};
    for (const auto& [name, upper] : spins) {
        auto* spin = window.findChild<widgets::SpinField*>(Q(name));
        ASSERT_NE(spin, nullptr) << name;
        EXPECT_EQ(spin->format(), QStringLiteral("#0#"));
        EXPECT_TRUE(spin->hasLowerLimit() && spin->hasUpperLimit()) << name;
        EXPECT_EQ(spin->lowerLimit(), 0);
        EXPECT_EQ(spin->upperLimit(), upper) << name;
    }
    for (const ui::SnapshotWrite& write : ui::SnapshotWrites) {
        const auto* clockPart = std::get_if<ui::ShowDigits>(&write);
        if (clockPart == nullptr)
            continue;
        const frontend::DigitsControl control = clockPart->control;
        auto* digits = window.findChild<widgets::DigitGroup*>(Q(control.name()));
        ASSERT_NE(digits, nullptr) << control.name();
        EXPECT_EQ(digits->digitCount(), control.id() == controls::VrAnno.id() ? 4 : 2)
            << control.name();
    }
}

// What a page looks like when its content does not fit: widgets squeezed below the size
// their text needs, spilling out of their parent, or groups side by side overlapping.
// Lays the window out completely. A caption or list change posts a layout request to its
// parent, whose new size posts one to the next parent up: one pass of the event loop does
// not always reach the top, so pass until none is left.
void Settle() {
    for (int pass = 0; pass < 8; ++pass) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QApplication::processEvents();
    }
}

// Inside a scroll area (the journal's table) Qt places its own parts: a scroll bar's
// container is zero high while nothing needs scrolling.
bool InsideScrollArea(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p != nullptr; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p) != nullptr)
            return true;
    return false;
}

void ExpectTidy(QWidget* page, const std::string& context) {
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow() || InsideScrollArea(w))
            continue;
        const std::string name = w->objectName().toStdString();
        // A list's least size goes stale when the window refills it; it needs its longest entry.
        const QSize least = qobject_cast<QComboBox*>(w) ? w->sizeHint() : w->minimumSizeHint();
        EXPECT_TRUE(w->width() >= least.width() && w->height() >= least.height())
            << context << ": " << name << " squeezed to " << w->width() << "x" << w->height();
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
            << context << ": " << name << " spills out of "
            << w->parentWidget()->objectName().toStdString();
    }
    const QList<QGroupBox*> groups = page->findChildren<QGroupBox*>();
    for (QGroupBox* a : groups) {
        for (QGroupBox* b : groups) {
            if (a < b && a->isVisible() && b->isVisible() &&
                a->parentWidget() == b->parentWidget()) {
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << context << ": " << a->objectName().toStdString() << " overlaps "
                    << b->objectName().toStdString();
            }
        }
    }
}

TEST_F(WindowControls, everyPageFitsThePageControlInBothLanguagesAndBothParameterLayouts) {
    window.show();
    for (int languageIndex : {catalogue::Italian, catalogue::English}) {
        for (bool freeConfiguration : {false, true}) {
            applyLanguage(languageIndex, freeConfiguration);
            const std::string context =
                (languageIndex == catalogue::Italian ? "Italian" : "English") +
                std::string(freeConfiguration ? ", free" : ", preset");
            for (int i = 0; i < tabs->count(); ++i) {
                if (!tabs->isTabVisible(i))
                    continue;
                tabs->setCurrentIndex(i);
                Settle();
                ExpectTidy(tabs->widget(i), context);
            }
            ExpectTidy(strip, context);
            EXPECT_LE(strip->minimumSizeHint().width(), 1102) << context;
            EXPECT_LE(strip->minimumSizeHint().height(), 720 - 661) << context;
        }
    }
}

TEST_F(WindowControls, chartsSitWhereTheDesignPutsThem) {
    window.show();
    applyLanguage(catalogue::Italian, false);
    struct Design {
        frontend::Control<frontend::ControlKind::TrendChart> chart;
        int page;
        QRect rect;
    };
    // Within a few characters of the design: the columns beside them follow the font.
    const Design designs[] = {{controls::Trend_1, 0, {289, 3, 793, 573}},
                              {controls::Trend_Trifase, 1, {216, 4, 841, 573}}};
    for (const Design& d : designs) {
        tabs->setCurrentIndex(d.page);
        Settle();
        const QRect at = named(d.chart)->geometry();
        EXPECT_NEAR(at.left(), d.rect.left(), 32) << d.chart.name();
        EXPECT_NEAR(at.top(), d.rect.top(), 4) << d.chart.name();
        EXPECT_GE(at.width(), d.rect.width() - 32) << d.chart.name();  // and the rest of the page
        EXPECT_NEAR(at.height(), d.rect.height(), 30) << d.chart.name();
    }
    tabs->setCurrentIndex(2);
    Settle();
    const QRect picture = named(controls::Immagine_Orvane)->geometry();
    EXPECT_NEAR(picture.left(), 723, 32);
    EXPECT_EQ(picture.size(), QSize(340, 240));
}

// A channel colour has to show on every skin, a white one on a light skin included: the
// edge of each swatch and coloured caption stands out from what is around it by 3:1 or
// more, while its inside keeps the channel's colour.
TEST_F(WindowControls, swatchesAndColouredCaptionsStandOutFromTheirSurroundingsUnderEverySkin) {
    window.show();
    applyLanguage(catalogue::Italian, false);
    SkinSwitcher skins;
    struct PlatformLookAfterwards {
        SkinSwitcher& skins;
        ~PlatformLookAfterwards() { skins.apply(kPlatformSkin); }
    } restore{skins};
    int checked = 0;
    for (std::string_view skin : storage::SkinNames) {
        ASSERT_TRUE(skins.apply(Q(skin)));
        for (auto page : {controls::Tab_Trend, controls::Tab_Trifase}) {
            tabs->setCurrentWidget(named(page));
            Settle();
            const QImage shot = window.grab().toImage();
            std::vector<std::pair<QLabel*, QRect>> coloured;
            for (QLabel* label : named(page)->findChildren<QLabel*>())
                if (HasFixedColour(label) && label->isVisible())
                    coloured.emplace_back(label,
                                          QRect(label->mapTo(&window, QPoint()), label->size()));
            auto onColoured = [&](QPoint p) {
                return std::any_of(coloured.begin(), coloured.end(),
                                   [p](const auto& c) { return c.second.contains(p); });
            };
            for (const auto& [label, r] : coloured) {
                const std::string what =
                    std::string(skin) + ", " + label->objectName().toStdString();
                const QPoint inside(r.right() - 2, r.center().y());
                EXPECT_EQ(shot.pixelColor(inside), label->palette().color(QPalette::Window))
                    << what;
                const std::pair<QPoint, QPoint> edges[] = {
                    {{r.left(), r.center().y()}, {-1, 0}},
                    {{r.right(), r.center().y()}, {1, 0}},
                    {{r.center().x(), r.top()}, {0, -1}},
                    {{r.center().x(), r.bottom()}, {0, 1}},
                };
                for (const auto& [edge, out] : edges) {
                    if (onColoured(edge + out))
                        continue;
                    const QColor a = shot.pixelColor(edge), b = shot.pixelColor(edge + out);
                    EXPECT_GE(ContrastRatio(a, b), 3.0) << what << ": " << a.name().toStdString()
                                                        << " beside " << b.name().toStdString();
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 16 * 4 * 10);
}

}  // namespace
}  // namespace orvane::ui
