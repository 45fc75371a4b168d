// The event-driven link's loop on the window's event loop: a socket notifier on the port's
// descriptor for "input arrived" (a hang-up wakes it too) and one precise single-shot timer
// for the line time-outs and the protocol's waits. Owned by the window, which builds it
// before the program and destroys it after; GUI thread only.
#pragma once

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>

#include "link/link_events.h"
#include "link/serial_port.h"

namespace orvane::ui {

class QtLinkEvents final : public link::LinkEvents {
  public:
    // `port` must outlive this object.
    explicit QtLinkEvents(link::SerialPort& port);
    QtLinkEvents(const QtLinkEvents&) = delete;
    QtLinkEvents& operator=(const QtLinkEvents&) = delete;
    ~QtLinkEvents() override;

    void attach(link::LinkEventSink* sink) override { sink_ = sink; }
    link::Micros now() const override;
    void armTimer(link::Micros at) override;
    void cancelTimer() override;
    void watchInput(bool on) override;

  private:
    link::SerialPort& port_;
    link::LinkEventSink* sink_ = nullptr;
    QElapsedTimer clock_;
    QTimer timer_;
    // A port without a descriptor (a test double) is looked at every millisecond instead.
    QTimer inputPoll_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace orvane::ui
