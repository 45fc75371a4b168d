// The parameter side of a whole program (the composition root over the rig's fakes), with
// short names for the objects the tests drive and the operator's ways of editing a field.
#pragma once

#include <string>

#include "catalogue/message_catalogue.h"
#include "params/field_table.h"
#include "support/program_rig.h"
#include "unit_parameters.h"

namespace orvane::params {

namespace controls = orvane::frontend::controls;

struct ParameterWindow : testing::ProgramRig {
    explicit ParameterWindow(const testing::Substitutes& own = {}) : ProgramRig(own) {}

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
    std::string lastMessage() const {
        return dialogs.boxes.empty() ? "" : dialogs.boxes.back().text;
    }

    catalogue::Language& language = program.language;
    ParameterSet& set = program.parameters;
    FreeConfigurationLayout& layout = program.freeConfiguration;
    ParameterEditor& editor = program.editor;
    ParameterDefaults& defaults = program.defaults;
    link::PortTable& ports = program.ports;
    link::DeviceLink& link = program.link;
    monitor::PollState& poll = program.poll;
    monitor::LinkControl& linkControl = program.linkControl;
    ParameterImport& importer = program.parameterImport;
    ParameterExport& exporter = program.parameterExport;
    ParameterCompare& compare = program.parameterCompare;
};

}  // namespace orvane::params
