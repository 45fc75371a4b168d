// A parameter editor wired to the recording window fake, as the session wires it.
#pragma once

#include "params/field_table.h"
#include "params/free_configuration_layout.h"
#include "params/parameter_defaults.h"
#include "params/parameter_editor.h"
#include "params/parameter_set.h"
#include "support/fake_screen.h"
#include "ui/catalogue/message_catalogue.h"

namespace orvane::params {

struct ParameterWindow {
    testing::FakeScreen screen;
    testing::FakeOperator dialogs;
    ui::Language language;
    ParameterSet set;
    FreeConfigurationLayout layout{screen, screen, language};
    ParameterEditor editor{set, screen, screen, layout};
    ParameterDefaults defaults{set, screen, language, layout, editor, dialogs};

    // The window as it looks after start-up: defaults loaded and shown.
    void showDefaults() {
        defaults.LoadDefaultParameters();
        editor.ShowParameters();
    }
    void type(Field f, double value) { screen.setNumber(Describe(f).control, value); }
    // The operator's text in the field is no number ("12a", "1e30", emptied).
    void typeNoNumber(Field f) { screen.notNumbers.insert(std::string(Describe(f).control)); }
    void pick(Field f, int index) { screen.indices[std::string(Describe(f).control)] = index; }
    void tick(Field f, bool on) { screen.checks[std::string(Describe(f).control)] = on; }
    void typeName(std::string text) { screen.texts["Ed_Nome_Netbios"] = std::move(text); }
};

// Every byte of every block set to `fill`.
inline void FillAll(ParameterSet& set, std::uint8_t fill) {
    for (const BlockLayout& b : BlockLayouts)
        for (std::uint8_t& byte : set.bytes(b.block))
            byte = fill;
    set.OutgoingNetbiosName.fill(fill);
}

}  // namespace orvane::params
