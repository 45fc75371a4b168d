// A whole live link on one test's stack: a scripted unit behind the in-memory port, the
// device link, the session data, the recording window and the monitor objects wired as
// the window wires them (each snapshot shown through the window's presenter). Ticks are
// run by calling the timer handler.
#pragma once

#include <cstdint>
#include <vector>

#include "link/device_link.h"
#include "monitor/device_commands.h"
#include "monitor/link_control.h"
#include "support/fake_screen.h"
#include "support/fake_serial_port.h"
#include "support/recording_snapshots.h"
#include "ui/core/live_display.h"

namespace orvane::testing {

namespace controls = orvane::frontend::controls;

// Answers every poll request the way a unit does; can be told to stay silent or to
// corrupt its answers. The answer payloads are public so a test can set any byte.
struct ScriptedUnit {
    Bytes firmware{1, 7, 3};
    Bytes liveBlockA = Bytes(176, 0);
    Bytes liveBlockB = Bytes(48, 0);
    Bytes trendBlock = Bytes(108, 0);
    Bytes clock{9, 12, 24, 14, 5, 33};
    int silentRequests = 0;  // the next n requests get no answer
    bool silent = false;     // no answer until cleared

    Bytes answer(const Bytes& request) {
        if (silent)
            return {};
        if (silentRequests > 0) {
            --silentRequests;
            return {};
        }
        const std::uint8_t function = request[5];
        switch (function) {
            case 0x10:
                return AnswerFrame(function, firmware);
            case 0x14:
                return AnswerFrame(function, liveBlockA);
            case 0x20:
            case 0x4B:
                return AnswerFrame(function, liveBlockB);
            case 0x17:
                return AnswerFrame(function, trendBlock);
            case 0xA0:
                return AnswerFrame(function, clock);
            case 0xA1: {
                clock.assign(request.begin() + 6, request.begin() + 12);
                Bytes payload = clock;
                payload.resize(68, 0);
                return AnswerFrame(function, payload);
            }
            case 0x4A:
                return AnswerFrame(function, Bytes(48, 0));
            default:
                return AnswerFrame(function, Bytes(2, 0));  // 0x22, 0x4E
        }
    }

    void setTrendWord(int word, std::uint16_t value) {
        trendBlock[2 * word] = static_cast<std::uint8_t>(value & 0xFF);
        trendBlock[2 * word + 1] = static_cast<std::uint8_t>(value >> 8);
    }
};

struct LiveRig {
    LiveRig() {
        ports.setConfigured(0, "/dev/fake0");
        port.setResponder([this](const Bytes& request) { return unit.answer(request); });
        screen.indices[controls::Cb_Sel_Porta] = 0;
        monitor.ResetOnShow();
    }

    void tick(int count = 1) {
        for (int i = 0; i < count; ++i)
            monitor.Timer1Timer();
    }
    // Function codes of the frames sent since the last call.
    std::vector<int> functionsSent() {
        std::vector<int> codes;
        for (std::size_t i = seen_; i < port.written.size(); ++i)
            codes.push_back(port.written[i][5]);
        seen_ = port.written.size();
        return codes;
    }
    std::string matrix() const { return screen.text(controls::Vr_String); }

    ScriptedUnit unit;
    FakeSerialPort port;
    FakeDelay delay;
    link::PortTable ports;
    link::DeviceLink link{port, ports, delay};
    monitor::PollState poll;
    monitor::RealtimeData data;
    FakeScreen screen;
    FakeClock clock;
    FakeOperator dialogs;
    catalogue::Language language;
    FakePollTimer timer;
    monitor::LinkControl control{link, poll, screen, screen, timer, dialogs, language};
    ui::LiveDisplay monitor{link, poll, data, screen, screen, clock, language};
    RecordingSnapshots snapshots;
    monitor::DeviceCommands commands{poll, link, dialogs, language, snapshots};

  private:
    std::size_t seen_ = 0;
};

}  // namespace orvane::testing
