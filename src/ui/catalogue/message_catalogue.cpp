#include "ui/catalogue/message_catalogue.h"

namespace orvane::ui {

// Filled row by row with the program's texts.
const std::array<CatalogueRow, CatalogueRowCount> MessageCatalogue{};

std::string_view CatalogueText(int row, int languageIndex) {
    if (row < 1 || row > CatalogueRowCount || languageIndex < 0 || languageIndex > 2) return {};
    return MessageCatalogue[static_cast<std::size_t>(row - 1)]
        .slot[static_cast<std::size_t>(languageIndex)];
}

std::string_view DataWord(int languageIndex) {
    return languageIndex == English ? "Data " : "Dato ";
}

std::string_view PanelCountWord(int languageIndex) {
    return languageIndex == English ? " Panel N\u00B0" : " N\u00B0Pann. ";
}

}  // namespace orvane::ui
