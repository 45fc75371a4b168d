// The window's sequences over the program: the order in which the program comes up
// (FormCreate, FormShow) and goes down (FormCloseQuery), and the two settings the operator
// changes from the window (language and skin). The program itself, everything the window
// owns for the whole run outside its controls, is built by the composition root
// (`Program`) and held here. The Qt window builds one session with its own
// services and forwards its events; tests pass fakes. Window thread only.
#pragma once

#include "ui/core/program.h"
#include "ui/core/window_frame.h"

namespace orvane::ui {

class Session {
  public:
    // Every service and `frame` must outlive the session.
    Session(const ProgramServices& services, WindowFrame& frame);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The window exists with all its controls: settings read and applied, the present serial
    // devices bound, port list and skin list filled, the stored skin applied.
    void FormCreate();
    // The window is shown for the first time: defaults in the parameter fields, texts of the
    // language, link, command and filter state at their start values.
    void FormShow();
    // The operator closes the window: port closed, lamp and timer off, position stored and
    // settings written. Asks nothing and always lets the window close: a failed save has
    // already been reported, and keeping the operator in the program would not help.
    bool FormCloseQuery();

    void Cb_Sel_LinguaChange();  // the operator picked a language
    void Combo_SkinChange();     // the operator picked a skin
    // A parameter field's value changed, typed or set: marked while outside its limits.
    void ParameterFieldChanged(params::Field f) { program_.marks.FieldChanged(f); }

    // The program: the handlers of the link, the commands and the parameter buttons, and
    // its state.
    Program& program() { return program_; }
    const Program& program() const { return program_; }

  private:
    void fillPortList();          // in the current language, nothing selected
    void applySkinAt(int index);  // position in `SkinNames`
    void applyLanguage();         // the whole window's texts, the port list's too

    Program program_;
    WindowFrame& frame_;
};

}  // namespace orvane::ui
