#include "monitor/device_commands.h"

#include <optional>
#include <string>

#include "monitor/device_command.h"

namespace orvane::monitor {

struct DeviceCommands::Rule {
    DeviceCommand command;
    bool needsFirmware;  // refused while the unit's firmware is not the expected one
    bool needsPort;      // refused while the link is stopped
    int confirmRow;      // question asked first; 0: none
    std::optional<ResetKind> erases = {};  // kept in a file before the flag is raised
};

namespace {

using Rule = DeviceCommands::Rule;
using C = DeviceCommand;

constexpr Rule Block{C::block, true, false, 0};
constexpr Rule Restart{C::restart, true, false, 0};
constexpr Rule FullCharge{C::fullCharge, true, false, 0};
constexpr Rule SetClock{C::setClock, false, false, 0};
constexpr Rule BatteryReset{C::batteryReset, true, true, catalogue::row::ConfirmBatteryReset,
                            ResetKind::BatteryData};
constexpr Rule StorageReset{C::storageReset, true, true, catalogue::row::ConfirmStorageReset,
                            ResetKind::EnergyTotals};
constexpr Rule ChargeFaultReset{C::chargeFaultReset, true, true, 0};

}  // namespace

DeviceCommands::DeviceCommands(PollState& poll, const link::DeviceLink& link,
                               frontend::OperatorDialogs& dialogs,
                               const catalogue::Language& language, ResetSnapshots& snapshots,
                               journal::EventSink& events)
    : poll_(poll),
      link_(link),
      dialogs_(dialogs),
      language_(language),
      snapshots_(snapshots),
      events_(events) {}

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
    const std::string caption = CommandCaption(rule.command, language_);
    const auto refuse = [&](int row) {
        events_.record(journal::EventKind::commandRefused,
                       caption + ": " + std::string(language_.text(row)));
        dialogs_.inform(language_.text(row));
    };
    if (rule.needsFirmware && poll_.FwVersionError) {
        refuse(catalogue::row::CommandFirmwareRefusal);
        return;
    }
    if (rule.needsPort && !link_.IsPortOpen()) {
        refuse(catalogue::row::CommandPortRefusal);
        return;
    }
    if (rule.confirmRow != 0 && !confirm(rule))
        return;
    bool& flag = poll_.Commands.*Describe(rule.command).flag;
    // A second press before the frame went out sends nothing more.
    if (!flag)
        events_.record(journal::EventKind::commandRequested, caption);
    flag = true;
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
