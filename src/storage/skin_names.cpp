#include "storage/skin_names.h"

#include <string>
#include <vector>

namespace orvane::storage {

std::optional<std::string_view> SkinName(int index) {
    if (index < 0 || index >= static_cast<int>(SkinNames.size()))
        return std::nullopt;
    return SkinNames[static_cast<std::size_t>(index)];
}

void FillSkinList(frontend::Screen& window, int skinIndex) {
    const std::vector<std::string> items(SkinNames.begin(), SkinNames.end());
    window.setListItems(frontend::controls::Combo_Skin, items);
    window.setListIndex(frontend::controls::Combo_Skin, SkinName(skinIndex) ? skinIndex : -1);
}

}  // namespace orvane::storage
