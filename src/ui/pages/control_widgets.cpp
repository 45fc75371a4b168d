#include "ui/pages/control_widgets.h"

#include <array>
#include <utility>

namespace orvane::ui {

namespace {

template <std::size_t... I>
constexpr std::array<const QMetaObject*, sizeof...(I)> ClassesOf(std::index_sequence<I...>) {
    return {&WidgetOf<static_cast<frontend::ControlKind>(I)>::staticMetaObject...};
}

}  // namespace

const QMetaObject& WidgetClassOf(frontend::ControlKind kind) {
    static const auto classes = ClassesOf(std::make_index_sequence<frontend::ControlKindCount>());
    return *classes[static_cast<std::size_t>(kind)];
}

}  // namespace orvane::ui
