// Which catalogue row captions which control. One row may caption several controls; a few
// captions carry the product word after the row text. Plain data, any thread.
#pragma once

#include <span>
#include <string_view>

namespace orvane::ui {

struct Caption {
    std::string_view control;
    int row;
    bool withProductWord;  // row text followed by " Orvane "
};

// Every control whose caption follows the language, except the start/stop button (its text
// depends on the link state), the list items and the window title.
std::span<const Caption> CaptionTable();

}  // namespace orvane::ui
