// The seven one-shot commands as one table: the flag each raises in `CommandRequest` and the
// caption that names it to the operator (its button's, or its group's where the button
// only says "Setta"). The buttons, the poll cycle and the link's stop name a command by it.
// Constant data; any thread.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/message_catalogue.h"
#include "journal/event_sink.h"
#include "monitor/poll_state.h"

namespace orvane::monitor {

enum class DeviceCommand : std::uint8_t {
    block,
    restart,
    fullCharge,
    setClock,
    batteryReset,
    storageReset,
    chargeFaultReset,
};

struct DeviceCommandRow {
    DeviceCommand command;
    bool CommandRequest::*flag;
    int captionRow;
    bool withProductWord;  // "Blocca" + " Orvane ", as the button reads
};

inline constexpr std::array DeviceCommandTable{
    DeviceCommandRow{DeviceCommand::block, &CommandRequest::BlockRequest, 43, true},
    DeviceCommandRow{DeviceCommand::restart, &CommandRequest::RestartRequest, 42, true},
    DeviceCommandRow{DeviceCommand::fullCharge, &CommandRequest::FullChargeRequest, 44, false},
    DeviceCommandRow{DeviceCommand::setClock, &CommandRequest::SetClockRequest, 187, false},
    DeviceCommandRow{DeviceCommand::batteryReset, &CommandRequest::BatteryResetRequest, 169, false},
    DeviceCommandRow{DeviceCommand::storageReset, &CommandRequest::StorageResetRequest, 202, false},
    DeviceCommandRow{DeviceCommand::chargeFaultReset, &CommandRequest::ChargeFaultResetRequest, 172,
                     false},
};

static_assert([] {
    for (std::size_t i = 0; i < DeviceCommandTable.size(); ++i)
        if (static_cast<std::size_t>(DeviceCommandTable[i].command) != i)
            return false;
    return static_cast<std::size_t>(DeviceCommand::chargeFaultReset) + 1 ==
           DeviceCommandTable.size();
}());

constexpr const DeviceCommandRow& Describe(DeviceCommand command) {
    return DeviceCommandTable[static_cast<std::size_t>(command)];
}

// The command's name in the current language, without the blanks its caption is laid out
// with ("Blocca Orvane", "Reset Dati Accumulo").
std::string CommandCaption(DeviceCommand command, const catalogue::Language& language);

// Records `kind` for every command whose flag `before` held and `after` no longer does,
// except `sent`, which the caller reports itself.
void RecordClearedCommands(const CommandRequest& before, const CommandRequest& after,
                           journal::EventKind kind, journal::EventSink& events,
                           const catalogue::Language& language,
                           const DeviceCommand* sent = nullptr);

}  // namespace orvane::monitor
