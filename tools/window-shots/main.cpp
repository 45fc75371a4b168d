// Renders every page of the window, in Italian and in English, to PNG files: the window runs
// offscreen in a scratch working directory with "COM 1" bound to the given port (normally
// the unit simulator), polls the unit for a while so the pages show live data, and grabs
// each page. Then, in each language, the lists of changes of a comparison with the unit and
// of an export (answered No: nothing is written), and the parameters page with a field
// typed outside its limits. Used by scripts/screenshots.
//
//   orvane-window-shots --port /dev/pts/7 --out build/screenshots [--seconds 8] [--skin Carbon]
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <string_view>

#include "frontend/operator_dialogs.h"
#include "storage/skin_names.h"
#include "ui/skins/skin_switcher.h"
#include "ui/window/change_list_dialog.h"
#include "ui/window/form1.h"
#include "ui/window/program_font.h"
#include "ui/window/progress_dialog.h"
#include "ui/window/qt_screen.h"

namespace controls = orvane::frontend::controls;

namespace {

// Nobody is there to answer: outcomes are printed, questions answered No unless
// `yesOnce` lets the next one through. A list of changes is grabbed to `listShot` (when
// set) and answered No.
class UnattendedOperator final : public orvane::frontend::OperatorDialogs {
  public:
    void inform(std::string_view text) override { end("info", text); }
    void showError(std::string_view text) override { end("error", text); }
    bool askYesNo(std::string_view text) override {
        const bool yes = yesOnce;
        yesOnce = false;
        print(yes ? "question (Yes)" : "question (No)", text);
        return yes;
    }
    bool askChanges(const orvane::frontend::ChangeList& changes) override {
        shoot(changes, orvane::ui::ChangeListDialog::Buttons::YesNo);
        return false;
    }
    void showChanges(const orvane::frontend::ChangeList& changes) override {
        shoot(changes, orvane::ui::ChangeListDialog::Buttons::Ok);
        ++outcomes;
    }

    QWidget* parent = nullptr;
    QString listShot;
    bool yesOnce = false;
    int shots = 0;
    int outcomes = 0;  // the closing boxes of transfers so far

  private:
    void end(const char* kind, std::string_view text) {
        print(kind, text);
        ++outcomes;
    }
    void shoot(const orvane::frontend::ChangeList& changes,
               orvane::ui::ChangeListDialog::Buttons buttons) {
        print("changes", changes.message);
        if (listShot.isEmpty())
            return;
        orvane::ui::ChangeListDialog dialog(changes, buttons, parent);
        dialog.show();
        QTest::qWait(200);
        if (dialog.grab().save(listShot))
            ++shots;
        else
            std::fprintf(stderr, "cannot write %s\n", qPrintable(listShot));
        listShot.clear();
    }
    static void print(const char* kind, std::string_view text) {
        std::fprintf(stderr, "%s: %.*s\n", kind, static_cast<int>(text.size()), text.data());
    }
};

struct Options {
    QString port;
    QString out;
    int seconds = 8;
    int skin = 0;  // position in `SkinNames`, as Charger.INI stores it
};

int SkinPosition(const QString& name) {
    const auto& names = orvane::storage::SkinNames;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (name == QString::fromUtf8(names[i].data(), static_cast<qsizetype>(names[i].size())))
            return static_cast<int>(i);
    return -1;
}

bool Parse(const QStringList& args, Options& options) {
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--port"))
            options.port = args[i + 1];
        else if (args[i] == QLatin1String("--out"))
            options.out = args[i + 1];
        else if (args[i] == QLatin1String("--seconds"))
            options.seconds = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--skin"))
            options.skin = SkinPosition(args[i + 1]);
        else
            return false;
    }
    return !options.port.isEmpty() && !options.out.isEmpty() && options.skin >= 0 &&
           args.size() % 2 == 1;
}

void Pick(orvane::ui::Form1& window, orvane::frontend::ListControl list, int index) {
    auto* combo = static_cast<QComboBox*>(window.screen().widget(list));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// As the operator types it: the field's text replaced.
void Type(orvane::ui::Form1& window,
          orvane::frontend::Control<orvane::frontend::ControlKind::NumericField> field,
          const char* text) {
    auto* edit = static_cast<QLineEdit*>(window.screen().widget(field));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

void Press(orvane::ui::Form1& window,
           orvane::frontend::Control<orvane::frontend::ControlKind::Button> button) {
    static_cast<QAbstractButton*>(window.screen().widget(button))->click();
    QTest::qWait(300);  // the handler runs from a queued call
}

// A transfer runs on the window's loop after its button returns: its closing box ends it.
void PressAndAwaitOutcome(orvane::ui::Form1& window, UnattendedOperator& nobody,
                          orvane::frontend::Control<orvane::frontend::ControlKind::Button> button) {
    const int before = nobody.outcomes;
    Press(window, button);
    if (!QTest::qWaitFor([&] { return nobody.outcomes > before; }, 15'000))
        std::fprintf(stderr, "a transfer did not end within 15 s\n");
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(orvane::ui::ProgramFont());
    Options options;
    if (!Parse(QApplication::arguments(), options)) {
        std::fprintf(stderr,
                     "usage: orvane-window-shots --port DEVICE --out DIR [--seconds N] "
                     "[--skin NAME]\n");
        return 2;
    }
    const QString out = QDir(options.out).absolutePath();
    QDir().mkpath(out);

    QTemporaryDir work;
    QFile ini(work.filePath(QStringLiteral("Charger.INI")));
    if (!work.isValid() || !ini.open(QIODevice::WriteOnly) ||
        ini.write(QStringLiteral("[GENERALE]\r\nSKIN=%1\r\n[PORTE]\r\nCOM1=%2\r\n")
                      .arg(options.skin)
                      .arg(options.port)
                      .toLocal8Bit()) < 0) {
        std::fprintf(stderr, "cannot prepare a working directory\n");
        return 1;
    }
    ini.close();
    QDir::setCurrent(work.path());

    orvane::ui::SkinSwitcher skins;
    skins.apply(u"Amakrits");
    UnattendedOperator nobody;
    orvane::ui::Form1Options formOptions;
    formOptions.dialogs = &nobody;
    formOptions.presentDevices = [] { return std::vector<orvane::link::SerialDevice>{}; };
    orvane::ui::Form1 window(skins, formOptions);
    window.show();

    // Plot the channels an installer usually watches, then start the link.
    for (auto box : {controls::Ck_P_Rete, controls::Ck_I_Batt, controls::Ck_V_Batt,
                     controls::Ck_P_Pann, controls::Ck_T_Diss})
        window.screen().setChecked(box, true);
    static_cast<QAbstractButton*>(window.screen().widget(controls::Bt_Open))->click();
    QTest::qWait(options.seconds * 1000);

    int written = 0;
    for (int language : {0, 1}) {
        Pick(window, controls::Cb_Sel_Lingua, language);
        QTest::qWait(1500);
        QTabWidget& pages = window.pages();
        for (int page = 0; page < pages.count(); ++page) {
            if (!pages.isTabVisible(page))
                continue;
            pages.setCurrentIndex(page);
            QTest::qWait(200);
            const QString name =
                QStringLiteral("%1/%2-%3-%4.png")
                    .arg(out, language == 0 ? QStringLiteral("it") : QStringLiteral("en"))
                    .arg(page + 1)
                    .arg(pages.widget(page)->objectName());
            if (window.grab().save(name))
                ++written;
            else
                std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
        }
    }

    // The lists of changes and a field outside its limits, on the parameters page.
    nobody.parent = &window;
    QTabWidget& pages = window.pages();
    pages.setCurrentWidget(window.screen().widget(controls::Tab_Parametri));
    for (int language : {0, 1}) {
        const QString lang = language == 0 ? QStringLiteral("it") : QStringLiteral("en");
        Pick(window, controls::Cb_Sel_Lingua, language);
        // The import's progress dialog, grabbed while it reads.
        const int before = nobody.outcomes;
        Press(window, controls::Bt_Importa);
        const auto reading = [&window] {
            const QDialog* dialog = window.progress().dialog();
            return dialog != nullptr && dialog->isVisible();
        };
        if (QTest::qWaitFor(reading, 5'000)) {
            QTest::qWait(150);
            if (window.progress().dialog() != nullptr &&
                window.progress().dialog()->grab().save(
                    QStringLiteral("%1/%2-dialog-progress.png").arg(out, lang)))
                ++written;
        }
        if (!QTest::qWaitFor([&] { return nobody.outcomes > before; }, 15'000))
            std::fprintf(stderr, "the import did not end within 15 s\n");
        Type(window, controls::Ed_Capacita, "300");
        Type(window, controls::Ed_Finecarica, "570");
        nobody.listShot = QStringLiteral("%1/%2-dialog-compare.png").arg(out, lang);
        PressAndAwaitOutcome(window, nobody, controls::Bt_Confronta);
        nobody.listShot = QStringLiteral("%1/%2-dialog-export.png").arg(out, lang);
        nobody.yesOnce = true;
        PressAndAwaitOutcome(window, nobody, controls::Bt_Scrivi_Eeprom);
        Type(window, controls::Ed_Capacita, "20");
        QTest::qWait(200);
        if (window.grab().save(QStringLiteral("%1/%2-out-of-range.png").arg(out, lang)))
            ++written;
    }
    written += nobody.shots;

    window.close();
    std::printf("%d pages written to %s\n", written, qPrintable(out));
    return written > 0 ? 0 : 1;
}
