#include "ui/pages/advanced_page.h"

namespace orvane::ui {

AdvancedPage::AdvancedPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tab_Orologio"));
}

}  // namespace orvane::ui
