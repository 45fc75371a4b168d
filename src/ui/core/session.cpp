#include "ui/core/session.h"

#include <string>

#include "storage/skin_names.h"
#include "ui/core/language_application.h"

namespace orvane::ui {

namespace {

namespace controls = frontend::controls;
constexpr auto PortList = controls::Cb_Sel_Porta;

}  // namespace

Session::Session(const ProgramServices& services, WindowFrame& frame)
    : program_(services), frame_(frame) {}

void Session::FormCreate() {
    Program& p = program_;
    frontend::Screen& screen = p.services.screen;
    p.settingsStore.LoadProgramSettings(p.settings, p.ports);
    if (p.services.presentDevices)
        p.ports.assignPresent(p.services.presentDevices());
    fillPortList();
    storage::FillSkinList(screen, p.settings.SkinIndex);
    screen.setListIndex(PortList, p.settings.PortIndex);
    screen.setListIndex(controls::Cb_Sel_Lingua, p.settings.LanguageIndex);
    if (p.settings.LanguageIndex != catalogue::Italian &&
        p.settings.LanguageIndex != catalogue::English)
        p.settings.LanguageIndex = catalogue::Italian;
    p.language.LanguageIndex = p.settings.LanguageIndex;
    frame_.moveTo(p.settings.WindowLeft, p.settings.WindowTop);
    applySkinAt(p.settings.SkinIndex);
}

void Session::FormShow() {
    Program& p = program_;
    frontend::Screen& screen = p.services.screen;
    frame_.moveTo(p.settings.WindowLeft, p.settings.WindowTop);
    screen.setEnabled(controls::Bt_Cambio_Batteria, true);
    screen.setVisible(controls::Bt_Cambio_Batteria, true);
    p.defaults.LoadDefaultParameters();
    p.editor.ShowParameters();
    screen.setText(controls::Lb_Id_Orvane, "Id " + std::string(catalogue::ProductWord));
    applyLanguage();
    for (frontend::AnyControl shown : {frontend::AnyControl(controls::Grp_Dati_Accumulo),
                                       frontend::AnyControl(controls::Bt_Reset_Accumulo)}) {
        screen.setVisible(shown, true);
        screen.setEnabled(shown, true);
    }
    screen.setVisible(controls::Gr_Nascosti, false);
    screen.setEnabled(controls::Gr_Nascosti, false);
    // Poll step, link flags, command flags and filters back to where a new link starts.
    p.live.ResetOnShow();
}

bool Session::FormCloseQuery() {
    Program& p = program_;
    p.linkControl.CloseOnExit();
    p.settings.WindowTop = frame_.top();
    p.settings.WindowLeft = frame_.left();
    p.settingsStore.SaveProgramSettings(p.settings, p.services.input);
    return true;
}

void Session::Cb_Sel_LinguaChange() {
    Program& p = program_;
    const int picked = p.services.input.listIndex(controls::Cb_Sel_Lingua);
    if (picked != catalogue::Italian && picked != catalogue::English)
        return;
    p.language.LanguageIndex = picked;
    p.settings.LanguageIndex = picked;
    p.settingsStore.SaveProgramSettings(p.settings, p.services.input);
    applyLanguage();
}

void Session::Combo_SkinChange() {
    Program& p = program_;
    p.settingsStore.SaveProgramSettings(p.settings, p.services.input);
    applySkinAt(p.services.input.listIndex(controls::Combo_Skin));
}

void Session::fillPortList() {
    Program& p = program_;
    std::vector<std::string> entries;
    for (int index = 0; index < link::PortCount; ++index)
        entries.push_back(p.ports.entryText(index, p.language.text(catalogue::row::NoDevice)));
    p.services.screen.setListItems(PortList, entries);
}

void Session::applySkinAt(int index) {
    // A position without a style keeps the look the program has.
    if (const std::optional<std::string_view> name = storage::SkinName(index))
        frame_.applySkin(*name);
}

void Session::applyLanguage() {
    Program& p = program_;
    ApplyLanguage(p.services.screen, p.services.input, p.freeConfiguration, p.language,
                  p.link.IsPortOpen(), p.poll);
    p.marks.RefreshAll();  // their tips in the new language
    p.busLine.refresh();
    p.recorder.showState();
    // Entries without a device say so in the new language, on the port that was selected.
    const int selectedPort = p.services.input.listIndex(PortList);
    fillPortList();
    p.services.screen.setListIndex(PortList, selectedPort);
}

}  // namespace orvane::ui
