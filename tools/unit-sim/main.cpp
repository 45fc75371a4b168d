// orvane-unit-sim: an Orvane unit for the configurator to talk to, on a pseudo-terminal or a
// serial port, with faults on demand. See --help.
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <random>

#include "unit-sim/control.h"
#include "unit-sim/fault_injector.h"
#include "unit-sim/frame_log.h"
#include "unit-sim/line_port.h"
#include "unit-sim/live_model.h"
#include "unit-sim/memory_image.h"
#include "unit-sim/options.h"
#include "unit-sim/server.h"
#include "unit-sim/unit_responder.h"

namespace {

using namespace orvane::unitsim;

volatile std::sig_atomic_t stopRequested = 0;
int wakePipe[2] = {-1, -1};

void OnStopSignal(int) {
    stopRequested = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakePipe[1], &byte, 1);
}

bool InstallStopHandlers() {
    if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction sa {};
    sa.sa_handler = OnStopSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        if (::sigaction(sig, &sa, nullptr) != 0)
            return false;
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

int Fail(const std::string& message, int code) {
    std::fprintf(stderr, "orvane-unit-sim: %s\n", message.c_str());
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error))
        return Fail(error + "\nTry 'orvane-unit-sim --help'.", 2);
    if (options.help) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }

    MemoryImage memory;
    if (!options.eepromPath.empty()) {
        const LoadOutcome loaded = LoadImage(options.eepromPath, memory, error);
        if (loaded == LoadOutcome::Failed)
            return Fail(error, 2);
        if (loaded == LoadOutcome::Missing)
            std::fprintf(stderr,
                         "orvane-unit-sim: %s does not exist yet; starting from the "
                         "built-in memory\n",
                         options.eepromPath.c_str());
    }

    const std::uint32_t seed = options.seedGiven ? options.seed : std::random_device{}();
    LiveModel model(memory, ModelConfig{options.dayMinutes * 60.0, seed});
    FaultInjector faults(seed ^ 0x9E3779B9u);
    Settings& settings = options.settings;
    faults.configure(settings.faults);
    if (settings.chargeFault == Settings::ChargeFault::Raise)
        model.raiseChargeFault();
    settings.chargeFault = Settings::ChargeFault::Keep;

    const std::string eepromPath = options.eepromPath;
    UnitResponder responder(memory, model, settings, [eepromPath](const MemoryImage& image) {
        if (eepromPath.empty())
            return true;
        std::string why;
        if (SaveImageAtomically(eepromPath, image, why))
            return true;
        std::fprintf(stderr, "orvane-unit-sim: commit not kept: %s\n", why.c_str());
        return false;
    });

    ControlFifo control;
    if (!options.controlPath.empty() && !control.open(options.controlPath, error))
        return Fail(error, 2);
    FrameLog log;
    if (!options.logPath.empty() && !log.open(options.logPath, error))
        return Fail(error, 2);

    std::unique_ptr<LinePort> line = options.devicePath.empty()
                                         ? LinePort::OpenPseudoTerminal(error)
                                         : LinePort::OpenDevice(options.devicePath, error);
    if (!line)
        return Fail(error, 1);
    PortSymlink symlink;
    if (!options.linkPath.empty() && !symlink.create(options.linkPath, line->portPath(), error))
        return Fail(error, 2);
    if (!InstallStopHandlers())
        return Fail("cannot install the signal handlers", 1);

    std::printf("ready %s\n", line->portPath().c_str());
    std::fflush(stdout);

    ServerParts parts{*line,
                      responder,
                      model,
                      faults,
                      settings,
                      options.controlPath.empty() ? nullptr : &control,
                      options.logPath.empty() ? nullptr : &log};
    Server server(parts, stopRequested, wakePipe[0]);
    return server.run() ? 0 : 1;
}
