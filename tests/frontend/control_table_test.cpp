// The control table and its handles: every caption row exists in both languages, and the
// screen's calls take only the kinds that can answer them (checked when this file compiles).
#include <gtest/gtest.h>

#include <type_traits>

#include "catalogue/message_catalogue.h"
#include "frontend/screen.h"

namespace orvane::frontend {
namespace {

// A call with a handle of the wrong kind does not compile.
template <class Handle>
concept TakesNumber = requires(Screen& s, Handle h) {
    s.setNumber(h, 1.0);
};
template <class Handle>
concept TakesLamp = requires(Screen& s, Handle h) {
    s.setLamp(h, true);
};
template <class Handle>
concept TakesText = requires(Screen& s, Handle h) {
    s.setText(h, "");
};
template <class Handle>
concept TakesCheck = requires(Screen& s, Handle h) {
    s.setChecked(h, true);
};
template <class Handle>
concept TakesList = requires(Screen& s, Handle h) {
    s.setListIndex(h, 0);
};

static_assert(TakesNumber<decltype(controls::AbNumEdit20)>);
static_assert(TakesNumber<decltype(controls::Num_Ora)>);
static_assert(!TakesNumber<decltype(controls::Ld_Sovra_Filtro)>);
static_assert(!TakesNumber<decltype(controls::Lb_Tens_Rete)>);
static_assert(TakesLamp<decltype(controls::Ld_Sovra_Filtro)>);
static_assert(!TakesLamp<decltype(controls::Ck_Agg_Clock)>);
static_assert(TakesText<decltype(controls::Lb_Tens_Rete)>);
static_assert(TakesText<decltype(controls::Form1)>);
static_assert(!TakesText<decltype(controls::AbNumEdit20)>);
static_assert(!TakesText<decltype(controls::Cb_Sel_Porta)>);
static_assert(TakesCheck<decltype(controls::Rd_Statico)>);
static_assert(TakesCheck<decltype(controls::Ck_Agg_Clock)>);
static_assert(!TakesCheck<decltype(controls::Bt_Open)>);
static_assert(TakesList<decltype(controls::Cb_Sel_Porta)>);
static_assert(!TakesList<ControlId>);  // a bare id is no handle

// A handle of another kind than the table's cannot be made.
template <ControlKind K, ControlId Id>
concept Buildable = requires {
    typename std::integral_constant<ControlId, Control<K>(Id).id()>;
};
static_assert(Buildable<ControlKind::Lamp, ControlId::Ld_Sovra_Filtro>);
static_assert(!Buildable<ControlKind::Lamp, ControlId::AbNumEdit20>);

TEST(ControlTable, everyCaptionRowHasTextInBothLanguages) {
    for (const CaptionedControl& c : CaptionedControls) {
        EXPECT_FALSE(catalogue::CatalogueText(c.caption.row, catalogue::Italian).empty())
            << c.control.name();
        EXPECT_FALSE(catalogue::CatalogueText(c.caption.row, catalogue::English).empty())
            << c.control.name();
    }
}

}  // namespace
}  // namespace orvane::frontend
