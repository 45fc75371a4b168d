#include "ui/pages/parameters_page.h"

namespace orvane::ui {

ParametersPage::ParametersPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tab_Parametri"));
}

}  // namespace orvane::ui
