#include "ui/core/session.h"

#include <string>

#include "storage/skin_names.h"
#include "ui/core/language_application.h"

namespace orvane::ui {

namespace {

namespace controls = frontend::controls;
constexpr auto PortList = controls::Cb_Sel_Porta;

}  // namespace

Session::Session(const SessionServices& services)
    : s_(services),
      journal_(s_.clock),
      exports_{s_.fileDialogs, s_.dialogs, s_.files, s_.workingDirectory,
               s_.clock,       language_,  journal_},
      snapshotEvents_(journal_, language_),
      recorder_(exports_, s_.screen),
      journalButtons_(journal_, exports_),
      chartExport_(exports_, s_.charts),
      link_(s_.port, ports_, s_.delay),
      live_(link_, poll_, data_, s_.screen, s_.input, s_.clock, language_,
            {&snapshotEvents_, &recorder_}, journal_),
      linkControl_(link_, poll_, s_.screen, s_.input, s_.pollTimer, s_.dialogs, language_,
                   journal_),
      commands_(poll_, link_, s_.dialogs, language_, journal_),
      layout_(s_.screen, s_.input, language_),
      editor_(parameters_, s_.screen, s_.input, layout_),
      defaults_(parameters_, s_.screen, language_, layout_, editor_, s_.dialogs),
      transfer_{link_, s_.delay, poll_, linkControl_, s_.input, s_.dialogs, language_, journal_},
      import_(transfer_, parameters_, editor_),
      export_(transfer_, parameters_, editor_),
      settingsStore_(s_.files, s_.workingDirectory, s_.dialogs, language_),
      files_(parameters_, editor_, defaults_, s_.input, s_.fileDialogs, s_.dialogs, s_.files,
             s_.workingDirectory, s_.clock, language_, journal_) {}

void Session::FormCreate() {
    settingsStore_.LoadProgramSettings(settings_, ports_);
    fillPortList();
    storage::FillSkinList(s_.screen, settings_.SkinIndex);
    s_.screen.setListIndex(PortList, settings_.PortIndex);
    s_.screen.setListIndex(controls::Cb_Sel_Lingua, settings_.LanguageIndex);
    if (settings_.LanguageIndex != catalogue::Italian &&
        settings_.LanguageIndex != catalogue::English)
        settings_.LanguageIndex = catalogue::Italian;
    language_.LanguageIndex = settings_.LanguageIndex;
    s_.frame.moveTo(settings_.WindowLeft, settings_.WindowTop);
    applySkinAt(settings_.SkinIndex);
}

void Session::FormShow() {
    s_.frame.moveTo(settings_.WindowLeft, settings_.WindowTop);
    s_.screen.setEnabled(controls::Bt_Cambio_Batteria, true);
    s_.screen.setVisible(controls::Bt_Cambio_Batteria, true);
    defaults_.LoadDefaultParameters();
    editor_.ShowParameters();
    s_.screen.setText(controls::Lb_Id_Orvane, "Id " + std::string(catalogue::ProductWord));
    applyLanguage();
    for (frontend::AnyControl shown : {frontend::AnyControl(controls::Grp_Dati_Accumulo),
                                       frontend::AnyControl(controls::Bt_Reset_Accumulo)}) {
        s_.screen.setVisible(shown, true);
        s_.screen.setEnabled(shown, true);
    }
    s_.screen.setVisible(controls::Gr_Nascosti, false);
    s_.screen.setEnabled(controls::Gr_Nascosti, false);
    // Poll step, link flags, command flags and filters back to where a new link starts.
    live_.ResetOnShow();
}

bool Session::FormCloseQuery() {
    linkControl_.CloseOnExit();
    settings_.WindowTop = s_.frame.top();
    settings_.WindowLeft = s_.frame.left();
    settingsStore_.SaveProgramSettings(settings_, s_.input);
    return true;
}

void Session::Cb_Sel_LinguaChange() {
    const int picked = s_.input.listIndex(controls::Cb_Sel_Lingua);
    if (picked != catalogue::Italian && picked != catalogue::English)
        return;
    language_.LanguageIndex = picked;
    settings_.LanguageIndex = picked;
    settingsStore_.SaveProgramSettings(settings_, s_.input);
    applyLanguage();
}

void Session::Combo_SkinChange() {
    settingsStore_.SaveProgramSettings(settings_, s_.input);
    applySkinAt(s_.input.listIndex(controls::Combo_Skin));
}

void Session::fillPortList() {
    if (s_.presentDevices)
        ports_.assignPresent(s_.presentDevices());
    std::vector<std::string> entries;
    for (int index = 0; index < link::PortCount; ++index)
        entries.push_back(ports_.entryText(index));
    s_.screen.setListItems(PortList, entries);
}

void Session::applySkinAt(int index) {
    // A position without a style keeps the look the program has.
    if (const std::optional<std::string_view> name = storage::SkinName(index))
        s_.frame.applySkin(*name);
}

void Session::applyLanguage() {
    ApplyLanguage(s_.screen, s_.input, layout_, language_, link_.IsPortOpen(), poll_);
    recorder_.showState();
}

}  // namespace orvane::ui
