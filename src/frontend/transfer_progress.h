// The small modal dialog a parameter transfer shows while it runs: what it is doing ("Reading
// block 2 of 6"), how far it is, and a Cancel button the transfer looks at between its
// steps. The window implements it over a modal progress dialog (its event loop keeps
// running, so the window repaints); a program without a window, and the tests, over their
// own. Owned by whoever builds the program; window thread only.
#pragma once

#include <string_view>

namespace orvane::frontend {

class TransferProgress {
  public:
    virtual ~TransferProgress() = default;
    // Shows the dialog with Cancel offered, nothing done yet.
    virtual void open() = 0;
    // The step now under way, the `done`-th of `total`.
    virtual void show(std::string_view text, int done, int total) = 0;
    // From now on Cancel is refused; the dialog says `why`.
    virtual void refuseCancel(std::string_view why) = 0;
    // True once the operator asked to cancel (while it was offered).
    virtual bool cancelRequested() const = 0;
    // Takes the dialog away (before any closing message).
    virtual void close() = 0;
};

// No dialog: nothing shown, never cancelled.
class NoProgress final : public TransferProgress {
  public:
    void open() override {}
    void show(std::string_view, int, int) override {}
    void refuseCancel(std::string_view) override {}
    bool cancelRequested() const override { return false; }
    void close() override {}
};

}  // namespace orvane::frontend
