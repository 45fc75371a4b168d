// The two free-parameter groups of the parameters page: `Gr_Conf_Libera` (the free
// configuration's thresholds, each with its limit label) and `Gr_Par_Avanzati` (the
// summer/winter pairs). Shown only with the free configuration; the window writes their
// captions when it shows them. The caller owns the returned groups; GUI thread.
#pragma once

class QGroupBox;

namespace orvane::ui::pages {

QGroupBox* BuildFreeConfigurationGroup();
QGroupBox* BuildAdvancedParametersGroup();

}  // namespace orvane::ui::pages
