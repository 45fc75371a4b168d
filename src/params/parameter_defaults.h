// The values the parameter set holds when nothing has been read or loaded, and the
// `Bt_Defaut` button that restores them. Owned by the program root; window thread only.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/message_catalogue.h"
#include "frontend/operator_dialogs.h"
#include "frontend/screen.h"
#include "params/field_table.h"
#include "params/free_configuration_layout.h"
#include "params/parameter_editor.h"
#include "params/parameter_set.h"

namespace orvane::params {

inline constexpr std::string_view DefaultNetbiosText = "Orvane000";

// Address of the monitoring server until the installer enters one: 93.184.216.34, a public
// unicast address held for examples rather than by a customer's service, so a unit left on
// the default contacts nobody's production host. A local server is off by default.
inline constexpr std::array<std::uint8_t, 4> DefaultLocalServer{93, 184, 216, 34};

struct FieldDefault {
    Field field;
    std::uint32_t value;
};

// The default of every named field except the name and the identifier, block by block.
std::span<const FieldDefault> DefaultValues(Block b);

// The delay list texts "0", "50" .. "1000".
std::array<std::string, 21> DelayListItems();

class ParameterDefaults {
  public:
    // Every reference must outlive this object.
    ParameterDefaults(ParameterSet& set, frontend::Screen& screen,
                      const catalogue::Language& language, FreeConfigurationLayout& layout,
                      ParameterEditor& editor, frontend::OperatorDialogs& dialogs);

    // Rebuilds the delay list, writes the grid-service limit labels and the defaults (bytes
    // without a named field stay as they are) and hides the free groups. It does not refresh
    // the other controls: callers run ShowParameters next.
    void LoadDefaultParameters();
    // Asks first; on Yes loads the defaults and shows them.
    void Bt_DefautClick();

    // The default name as text, for a parameter file that has none.
    const std::string& DefaultNetbiosName() const { return defaultNetbiosName_; }

  private:
    void writeDefaults(Block b);

    ParameterSet& set_;
    frontend::Screen& screen_;
    const catalogue::Language& language_;
    FreeConfigurationLayout& layout_;
    ParameterEditor& editor_;
    frontend::OperatorDialogs& dialogs_;
    std::string defaultNetbiosName_;
};

}  // namespace orvane::params
