// The window's poll timer (`Timer1`) as the link sees it: running while the link is started.
// The Qt window implements it over its QTimer, tests with a flag. Window thread only.
#pragma once

namespace orvane::monitor {

class PollTimer {
  public:
    virtual ~PollTimer() = default;
    // Starts the timer when it is not running yet (a running timer keeps its phase), or stops it.
    virtual void setRunning(bool running) = 0;
};

}  // namespace orvane::monitor
