// The clock groups of the advanced page: `Gr_Lettura_Clock` (the unit's clock on seven-
// segment digits) and `Gr_Impostazione_Or` (the date and time the "Setta" command sends).
// The caller owns the returned groups; GUI thread.
#pragma once

class QGroupBox;

namespace orvane::ui::pages {

QGroupBox* BuildClockReadingGroup();
QGroupBox* BuildClockSettingGroup();

}  // namespace orvane::ui::pages
