#include "cli/headless_program.h"

namespace orvane::cli {

namespace {
namespace controls = frontend::controls;
}  // namespace

HeadlessProgram::HeadlessProgram(const Terminal& terminal)
    : terminal_(terminal),
      dialogs_(terminal.in, terminal.out, terminal.err, startLanguage_),
      session_(
          ui::ProgramServices{
              .screen = screen_,
              .input = screen_,
              .charts = noCharts_,
              .dialogs = dialogs_,
              .fileDialogs = file_,
              .pollTimer = timer_,
              .clock = clock_,
              .monotonicClock = monotonicClock_,
              .port = port_,
              .delay = delay_,
              .files = files_,
              .workingDirectory = workingDirectory_,
              .presentDevices = link::DiscoverSerialDevices,
              .snapshotSinks = {&relay_},
          },
          frame_) {
    dialogs_.speak(program().language);
    session_.FormCreate();
}

HeadlessProgram::~HeadlessProgram() {
    program().linkControl.CloseOnExit();
}

void HeadlessProgram::show(int languageIndex, int portIndex) {
    ui::Program& p = program();
    p.language.LanguageIndex = languageIndex;
    screen_.setListIndex(controls::Cb_Sel_Lingua, languageIndex);
    screen_.setListIndex(controls::Cb_Sel_Porta, portIndex);
    session_.FormShow();
}

}  // namespace orvane::cli
