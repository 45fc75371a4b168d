#include "storage/skin_names.h"

#include <string>
#include <vector>

namespace orvane::storage {

std::optional<std::string_view> SkinName(int index) {
    if (index < 0 || index >= static_cast<int>(SkinNames.size()))
        return std::nullopt;
    return SkinNames[static_cast<std::size_t>(index)];
}

void FillSkinList(monitor::Screen& window, int skinIndex) {
    const std::vector<std::string> items(SkinNames.begin(), SkinNames.end());
    window.setListItems("Combo_Skin", items);
    window.setListIndex("Combo_Skin", SkinName(skinIndex) ? skinIndex : -1);
}

}  // namespace orvane::storage
