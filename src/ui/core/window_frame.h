// What start-up and shutdown ask of the main window itself, beyond its controls: its
// position on the screen and the program's colour style. Implemented by the Qt window and by
// the tests' fake; window thread only.
#pragma once

#include <string_view>

namespace orvane::ui {

class WindowFrame {
  public:
    virtual ~WindowFrame() = default;
    // Screen pixels of the window's outer top-left corner. A position that would put part of
    // the window outside the screen it opens on is moved just inside; one that fits is kept.
    virtual void moveTo(int left, int top) = 0;
    virtual int left() const = 0;
    virtual int top() const = 0;
    // Changes the look of the whole program; false when no style has that name.
    virtual bool applySkin(std::string_view name) = 0;
};

}  // namespace orvane::ui
