// The parameter window with the device link, the poll link's start/stop and both
// transfers, over an in-memory port answered by a FakeUnit.
#pragma once

#include <string>

#include "fake_unit.h"
#include "link/device_link.h"
#include "monitor/link_control.h"
#include "monitor/poll_state.h"
#include "parameter_fixture.h"
#include "params/parameter_compare.h"
#include "params/parameter_export.h"
#include "params/parameter_import.h"
#include "recording_backups.h"

namespace orvane::params {

namespace controls = orvane::frontend::controls;

struct TransferWindow : ParameterWindow {
    testing::FakeSerialPort port;
    testing::FakeDelay delay;
    link::PortTable ports;
    link::DeviceLink link{port, ports, delay};
    monitor::PollState poll;
    testing::FakePollTimer timer;
    monitor::LinkControl linkControl{link, poll, screen, screen, timer, dialogs, language};
    TransferContext context{link, delay, poll, linkControl, screen, dialogs, language};
    ParameterImport importer{context, set, editor};
    RecordingBackups backups;
    ParameterExport exporter{context, set, editor, backups};
    ParameterCompare compare{context, set, editor};
    FakeUnit unit;

    TransferWindow() {
        ports.setConfigured(0, "/dev/fake0");
        screen.indices[controls::Cb_Sel_Porta] = 0;
        unit.attach(port);
        showDefaults();
    }

    // Puts `s` into the unit's memory, every block at its address.
    void storeInUnit(const ParameterSet& s) {
        for (const BlockLayout& b : BlockLayouts) {
            const auto bytes = s.bytes(b.block);
            std::copy(bytes.begin(), bytes.end(), unit.memory.begin() + b.address);
        }
    }

    // A valid set as a unit might hold it: reserved bytes and unnamed bits all ones.
    static ParameterSet UnitSet() {
        ParameterSet s;
        FillAll(s, 0xFF);
        for (const BlockLayout& b : BlockLayouts)
            for (const FieldDefault& d : DefaultValues(b.block))
                s.set(d.field, d.value);
        s.set(Field::capacityAh, 220);
        s.set(Field::batteryType, 5);
        s.set(Field::endChargeVoltage, 572);
        s.set(Field::overFreqStart, 505);
        s.set(Field::ipAddress4, 77);
        s.set(Field::staticAddress, 1);
        s.set(Field::unitId, 4711);
        StoreNetbiosText("UNIT-7", s.NetbiosNameBlock);
        return s;
    }

    std::string lastMessage() const {
        return dialogs.boxes.empty() ? "" : dialogs.boxes.back().text;
    }
};

}  // namespace orvane::params
