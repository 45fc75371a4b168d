// The live link of a whole program on one test's stack (the composition root over the
// rig's fakes, each snapshot shown through the window's presenter), as the window has it
// after start-up with "COM 1" selected; short names for the objects the tests drive. `LiveRig` puts
// a scripted unit behind the in-memory port. Ticks are run by calling the timer handler.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "support/program_rig.h"

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

inline Substitutes Recorded(Substitutes own) {
    own.recordedStores = true;
    return own;
}

struct MonitorRig : ProgramRig {
    // The resets' snapshots are recorded, not written.
    explicit MonitorRig(Substitutes own = {}) : ProgramRig(Recorded(own)) {
        screen.indices[controls::Cb_Sel_Porta] = 0;
        monitor.ResetOnShow();
    }

    // Each tick moves the rig's steady clock on by the timer's interval, as the window's
    // timer would.
    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            steadyClock.advance(std::chrono::milliseconds(75));
            monitor.Timer1Timer();
        }
    }
    std::string matrix() const { return screen.text(controls::Vr_String); }

    link::PortTable& ports = program.ports;
    link::DeviceLink& link = program.link;
    monitor::PollState& poll = program.poll;
    monitor::RealtimeData& data = program.data;
    catalogue::Language& language = program.language;
    monitor::LinkControl& control = program.linkControl;
    ui::LiveDisplay& monitor = program.live;
    monitor::DeviceCommands& commands = program.commands;
};

struct LiveRig : MonitorRig {
    LiveRig() {
        ports.setConfigured(0, "/dev/fake0");
        port.setResponder([this](const Bytes& request) { return unit.answer(request); });
    }

    // Function codes of the frames sent since the last call.
    std::vector<int> functionsSent() {
        std::vector<int> codes;
        for (std::size_t i = seen_; i < port.written.size(); ++i)
            codes.push_back(port.written[i][5]);
        seen_ = port.written.size();
        return codes;
    }

    ScriptedUnit unit;

  private:
    std::size_t seen_ = 0;
};

}  // namespace orvane::testing
