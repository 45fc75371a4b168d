// A parameter editor wired to the recording window fake, as the session wires it.
#pragma once

#include "catalogue/message_catalogue.h"
#include "params/field_table.h"
#include "params/free_configuration_layout.h"
#include "params/parameter_defaults.h"
#include "params/parameter_editor.h"
#include "params/parameter_set.h"
#include "support/fake_screen.h"

namespace orvane::params {

namespace controls = orvane::frontend::controls;

struct ParameterWindow {
    testing::FakeScreen screen;
    testing::FakeOperator dialogs;
    catalogue::Language language;
    ParameterSet set;
    FreeConfigurationLayout layout{screen, screen, language};
    ParameterEditor editor{set, screen, screen, layout};
    ParameterDefaults defaults{set, screen, language, layout, editor, dialogs};

    // The window as it looks after start-up: defaults loaded and shown.
    void showDefaults() {
        defaults.LoadDefaultParameters();
        editor.ShowParameters();
    }
    void type(Field f, double value) {
        screen.setNumber(Describe(f).controlAs<NumberFieldControl>(), value);
    }
    // The operator's text in the field is no number ("12a", "1e30", emptied).
    void typeNoNumber(Field f) { screen.notNumbers.insert(Describe(f).controlId()); }
    void pick(Field f, int index) { screen.indices[Describe(f).controlId()] = index; }
    void tick(Field f, bool on) { screen.checks[Describe(f).controlId()] = on; }
    void typeName(std::string text) { screen.texts[controls::Ed_Nome_Netbios] = std::move(text); }
};

// Every byte of every block set to `fill`.
inline void FillAll(ParameterSet& set, std::uint8_t fill) {
    for (const BlockLayout& b : BlockLayouts)
        for (std::uint8_t& byte : set.bytes(b.block))
            byte = fill;
    set.OutgoingNetbiosName.fill(fill);
}

}  // namespace orvane::params
