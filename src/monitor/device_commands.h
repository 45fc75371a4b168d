// The seven command buttons. A handler never talks to the port: after its checks (and,
// for the two destructive resets, the operator's Yes) it raises its `CommandRequest` flag,
// and the poll cycle sends the frame at its next suitable step. The two resets first keep
// the last values received of what they erase in a file. Requests and refusals go to
// `events`. Owned by the program root; window thread only.
#pragma once

#include "catalogue/message_catalogue.h"
#include "frontend/operator_dialogs.h"
#include "journal/event_sink.h"
#include "link/device_link.h"
#include "monitor/poll_state.h"
#include "monitor/reset_snapshot.h"

namespace orvane::monitor {

class DeviceCommands {
  public:
    // Every reference must outlive this object.
    DeviceCommands(PollState& poll, const link::DeviceLink& link,
                   frontend::OperatorDialogs& dialogs, const catalogue::Language& language,
                   ResetSnapshots& snapshots, journal::EventSink& events = journal::NoEvents());

    void Bt_BloccoClick();
    void Bt_RiavvioClick();
    void Bt_Carica_CompletaClick();
    void Bt_Set_ClockClick();
    void Bt_Cambio_BatteriaClick();
    void Bt_Reset_AccumuloClick();
    void Bt_Azzera_All_CaricaClick();

    struct Rule;

  private:
    void request(const Rule& rule);
    bool confirm(const Rule& rule);
    bool keepSnapshot(ResetKind kind);

    PollState& poll_;
    const link::DeviceLink& link_;
    frontend::OperatorDialogs& dialogs_;
    const catalogue::Language& language_;
    ResetSnapshots& snapshots_;
    journal::EventSink& events_;
};

}  // namespace orvane::monitor
