#include "ui/pages/lan_page.h"

namespace orvane::ui {

LanPage::LanPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tab_Lan"));
}

}  // namespace orvane::ui
