// The parameter side of a whole program with the poll link's start/stop and both transfers,
// over an in-memory port answered by a FakeUnit.
#pragma once

#include "fake_unit.h"
#include "parameter_fixture.h"

namespace orvane::params {

struct TransferWindow : ParameterWindow {
    FakeUnit unit;

    // The export's backups are recorded, not written.
    TransferWindow() : ParameterWindow({.recordedStores = true}) {
        ports.setConfigured(0, "/dev/fake0");
        screen.indices[controls::Cb_Sel_Porta] = 0;
        unit.attach(port);
        showDefaults();
    }

    // Puts `s` into the unit's memory, every block at its address.
    void storeInUnit(const ParameterSet& s) { StoreInMemory(s, unit.memory); }

    // A valid set unlike the defaults, as a unit might hold it.
    static ParameterSet UnitSet() {
        return params::UnitSet({{Field::capacityAh, 220},
                                {Field::batteryType, 5},
                                {Field::endChargeVoltage, 572},
                                {Field::overFreqStart, 505},
                                {Field::ipAddress4, 77},
                                {Field::staticAddress, 1},
                                {Field::unitId, 4711}},
                               "UNIT-7");
    }
};

}  // namespace orvane::params
