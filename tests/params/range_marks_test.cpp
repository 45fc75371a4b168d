// Fields marked while typed outside their limits: the checks' ranges and the limit labels'
// ranges, the fields' truncation, the mark cleared once corrected.
#include <gtest/gtest.h>

#include "parameter_fixture.h"
#include "params/range_marks.h"

namespace orvane::params {
namespace {

TEST(OutsideLimits, followsTheChecksRangesAndTheFieldsTruncation) {
    struct Case {
        Field field;
        std::optional<double> typed;
        bool outside;
    };
    for (const Case& c : {
             Case{Field::capacityAh, 25, false},
             {Field::capacityAh, 24.9, true},    // kept as 24
             {Field::capacityAh, 550.9, false},  // kept as 550
             {Field::capacityAh, 551, true},
             {Field::panelCount, 260, true},  // a byte cannot hold it: refused, not 4
             {Field::absorbablePercent, 266, true},
             {Field::equalizationVoltage, 0, false},  // 0: not used
             {Field::equalizationVoltage, 349, true},
             {Field::maxMpptPowerW, 7000, true},  // the label's range, though unchecked
             {Field::ipAddress1, 255, false},
             {Field::ipAddress1, 256, true},
             {Field::ipAddress1, -1, true},
             {Field::capacityAh, std::nullopt, false},  // no number: the field shows that
             {Field::unitId, 1e12, false},              // shown only, never typed
         }) {
        EXPECT_EQ(OutsideLimits(Describe(c.field), c.typed), c.outside)
            << Describe(c.field).name << " " << c.typed.value_or(-999);
    }
}

TEST(RangeMarks, markAFieldTypedOutOfRangeWithItsLimitsAndClearItWhenCorrected) {
    ParameterWindow window;
    RangeMarks& marks = window.program.marks;
    const auto field = controls::Ed_V_Equali;
    window.type(Field::equalizationVoltage, 700);
    marks.FieldChanged(Field::equalizationVoltage);
    EXPECT_EQ(window.screen.outOfRange.get(field, {}),
              "Fuori dai limiti: accettati da 350 a 600, oppure 0");

    window.language.LanguageIndex = catalogue::English;
    marks.RefreshAll();
    EXPECT_EQ(window.screen.outOfRange.get(field, {}),
              "Outside its limits: accepted from 350 to 600, or 0");

    window.type(Field::equalizationVoltage, 560);
    marks.FieldChanged(Field::equalizationVoltage);
    EXPECT_EQ(window.screen.outOfRange.get(field, {}), "");
}

}  // namespace
}  // namespace orvane::params
