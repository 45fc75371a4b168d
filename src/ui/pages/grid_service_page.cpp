#include "ui/pages/grid_service_page.h"

namespace orvane::ui {

GridServicePage::GridServicePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tab_Cei_021"));
}

}  // namespace orvane::ui
