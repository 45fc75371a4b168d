// The parameter controls as the editor of the ParameterSet: CollectParameters copies what
// the operator typed into the blocks, ShowParameters copies the blocks into the controls.
// Both walk the field table. Owned by the program root; window thread only.
//
// A typed value travels: control (a double) -> truncated toward zero -> little-endian bytes
// at the field's offset in its block; export then writes the block image to the block's
// memory address. A control holding no number, or a whole part the field's bits cannot
// hold, is reported instead and its bytes stay, so the checks refuse it.
#pragma once

#include <vector>

#include "frontend/screen.h"
#include "params/field_table.h"
#include "params/free_configuration_layout.h"
#include "params/parameter_checks.h"
#include "params/parameter_set.h"

namespace orvane::params {

class ParameterEditor {
  public:
    // Every reference must outlive this object.
    ParameterEditor(ParameterSet& set, frontend::Screen& screen,
                    const frontend::ScreenReader& input, FreeConfigurationLayout& layout);

    // Controls -> network, outgoing name, configuration, free-parameter and grid-service
    // blocks. Identity, reserved bytes and unnamed flag bits stay. Reports the name check
    // (0 = acceptable, 1 = refused: a refused byte, or a name longer than 16 bytes, which
    // leaves the outgoing name as it was) and the typed values it could not store.
    CollectedParameters CollectParameters() { return CollectInto(set_); }
    // The same into another set (the window's values for a comparison), the editor's set
    // left alone.
    CollectedParameters CollectInto(ParameterSet& target) const;
    // All six blocks -> controls, then the layout of the battery type.
    void ShowParameters();

  private:
    void collect(ParameterSet& target, const FieldDescriptor& d,
                 std::vector<RefusedValue>& refused) const;
    void show(const FieldDescriptor& d);
    void showBlock(Block b);

    ParameterSet& set_;
    frontend::Screen& screen_;
    const frontend::ScreenReader& input_;
    FreeConfigurationLayout& layout_;
};

}  // namespace orvane::params
