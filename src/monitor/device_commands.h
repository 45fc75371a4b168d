// The seven command buttons. A handler never talks to the port: after its checks (and,
// for the two destructive resets, the operator's Yes) it raises its `CommandRequest` flag,
// and the poll cycle sends the frame at its next suitable step. Requests and refusals go to
// `events`. Owned by the session; window thread only.
#pragma once

#include "catalogue/message_catalogue.h"
#include "frontend/operator_dialogs.h"
#include "journal/event_sink.h"
#include "link/device_link.h"
#include "monitor/poll_state.h"

namespace orvane::monitor {

class DeviceCommands {
  public:
    // Every reference must outlive this object.
    DeviceCommands(PollState& poll, const link::DeviceLink& link,
                   frontend::OperatorDialogs& dialogs, const catalogue::Language& language,
                   journal::EventSink& events = journal::NoEvents());

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

    PollState& poll_;
    const link::DeviceLink& link_;
    frontend::OperatorDialogs& dialogs_;
    const catalogue::Language& language_;
    journal::EventSink& events_;
};

}  // namespace orvane::monitor
