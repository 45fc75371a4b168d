#include "monitor/device_commands.h"

#include <optional>
#include <string>

namespace orvane::monitor {

struct DeviceCommands::Rule {
    bool CommandRequest::*flag;
    bool needsFirmware;  // refused while the unit's firmware is not the expected one
    bool needsPort;      // refused while the link is stopped
    int confirmRow;      // question asked first; 0: none
    std::optional<ResetKind> erases = {};  // kept in a file before the flag is raised
};

namespace {

using Rule = DeviceCommands::Rule;
using C = CommandRequest;

constexpr Rule Block{&C::BlockRequest, true, false, 0};
constexpr Rule Restart{&C::RestartRequest, true, false, 0};
constexpr Rule FullCharge{&C::FullChargeRequest, true, false, 0};
constexpr Rule SetClock{&C::SetClockRequest, false, false, 0};
constexpr Rule BatteryReset{&C::BatteryResetRequest, true, true,
                            catalogue::row::ConfirmBatteryReset, ResetKind::BatteryData};
constexpr Rule StorageReset{&C::StorageResetRequest, true, true,
                            catalogue::row::ConfirmStorageReset, ResetKind::EnergyTotals};
constexpr Rule ChargeFaultReset{&C::ChargeFaultResetRequest, true, true, 0};

}  // namespace

DeviceCommands::DeviceCommands(PollState& poll, const link::DeviceLink& link,
                               frontend::OperatorDialogs& dialogs,
                               const catalogue::Language& language, ResetSnapshots& snapshots)
    : poll_(poll), link_(link), dialogs_(dialogs), language_(language), snapshots_(snapshots) {}

void DeviceCommands::Bt_BloccoClick() {
    request(Block);
}
void DeviceCommands::Bt_RiavvioClick() {
    request(Restart);
}
void DeviceCommands::Bt_Carica_CompletaClick() {
    request(FullCharge);
}
void DeviceCommands::Bt_Set_ClockClick() {
    request(SetClock);
}
void DeviceCommands::Bt_Cambio_BatteriaClick() {
    request(BatteryReset);
}
void DeviceCommands::Bt_Reset_AccumuloClick() {
    request(StorageReset);
}
void DeviceCommands::Bt_Azzera_All_CaricaClick() {
    request(ChargeFaultReset);
}

void DeviceCommands::request(const Rule& rule) {
    if (rule.needsFirmware && poll_.FwVersionError) {
        dialogs_.inform(language_.text(catalogue::row::CommandFirmwareRefusal));
        return;
    }
    if (rule.needsPort && !link_.IsPortOpen()) {
        dialogs_.inform(language_.text(catalogue::row::CommandPortRefusal));
        return;
    }
    if (rule.confirmRow != 0 && !confirm(rule))
        return;
    poll_.Commands.*rule.flag = true;
}

bool DeviceCommands::confirm(const Rule& rule) {
    std::string question(language_.text(rule.confirmRow));
    const bool keep = rule.erases && snapshots_.valuesReceived();
    if (rule.erases && !keep)
        question.append("\n").append(language_.text(catalogue::row::NoSnapshotYet));
    if (!dialogs_.askYesNo(question))
        return false;
    return !keep || keepSnapshot(*rule.erases);
}

bool DeviceCommands::keepSnapshot(ResetKind kind) {
    const SnapshotOutcome kept = snapshots_.save(kind);
    if (kept.saved) {
        dialogs_.inform(std::string(language_.text(catalogue::row::SnapshotSaved)) + kept.path);
        return true;
    }
    // The operator decides whether the reset may go without its record.
    return dialogs_.askYesNo(std::string(language_.text(catalogue::row::SnapshotSaveFailed)) +
                             kept.path + "\n" +
                             std::string(language_.text(catalogue::row::ResetAnyway)));
}

}  // namespace orvane::monitor
