// The transfers' progress dialog for tests: records what it was told, in order, and asks to
// cancel once a given step has been shown. Single-threaded; owned by the rig.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frontend/transfer_progress.h"

namespace orvane::testing {

class FakeProgress final : public frontend::TransferProgress {
  public:
    void open() override {
        events.push_back("open");
        cancelOffered_ = true;
        cancelled_ = false;
    }
    void show(std::string_view text, int, int) override {
        steps.emplace_back(text);
        events.push_back("show " + std::string(text));
        if (cancelAtStep && static_cast<int>(steps.size()) == *cancelAtStep)
            cancelled_ = true;  // the operator presses Cancel during this step
    }
    void refuseCancel(std::string_view why) override {
        events.push_back("refuse " + std::string(why));
        cancelOffered_ = false;
        cancelled_ = false;
        if (onRefuse)
            onRefuse();
    }
    bool cancelRequested() const override { return cancelOffered_ && cancelled_; }
    void close() override { events.push_back("close"); }

    // The operator presses Cancel while the n-th step shown (counted from 1) runs.
    std::optional<int> cancelAtStep;
    std::function<void()> onRefuse;
    std::vector<std::string> steps;
    std::vector<std::string> events;

  private:
    bool cancelOffered_ = true;
    bool cancelled_ = false;
};

}  // namespace orvane::testing
