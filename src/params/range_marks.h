// Marks a parameter field while its typed value is outside its limits: the limits of the
// field table that the checks test and the limit labels state, the value taken as the field
// would store it (truncated toward zero; a whole part its bits cannot hold is outside). The
// checks at export and save are not changed by it. Owned by the program root; window thread
// only (it writes controls).
#pragma once

#include <optional>
#include <string>

#include "catalogue/message_catalogue.h"
#include "frontend/screen.h"
#include "params/field_table.h"

namespace orvane::params {

// Limits of a typed value: `low`..`high`, and 0 beside them where 0 means "not used".
struct TypedLimits {
    std::uint32_t low = 0;
    std::uint32_t high = 0;
    bool zeroAllowed = false;
};

// Only numeric and octet fields are typed; lists, flags and the name cannot go out of range.
bool IsTyped(const FieldDescriptor& d);
// The field's limits: its accepted range (tested or stated by its label), else what its bits
// hold.
TypedLimits LimitsOf(const FieldDescriptor& d);
// True when `typed` is a number outside the field's limits. Text that is no number is not
// out of range: the field shows that itself, and the checks refuse it.
bool OutsideLimits(const FieldDescriptor& d, std::optional<double> typed);
// "Fuori dai limiti: accettati da 350 a 600, oppure 0".
std::string LimitsTip(const FieldDescriptor& d, const catalogue::Language& language);

class RangeMarks {
  public:
    // Every reference must outlive this object.
    RangeMarks(frontend::Screen& screen, const frontend::ScreenReader& input,
               const catalogue::Language& language);

    // The field's value changed (typed, or set by the program): mark or clear it.
    void FieldChanged(Field f);
    // Every typed field again (the tips follow the language).
    void RefreshAll();

  private:
    frontend::Screen& screen_;
    const frontend::ScreenReader& input_;
    const catalogue::Language& language_;
};

}  // namespace orvane::params
