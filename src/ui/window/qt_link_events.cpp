#include "ui/window/qt_link_events.h"

#include <chrono>

namespace orvane::ui {

QtLinkEvents::QtLinkEvents(link::SerialPort& port) : port_(port) {
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (sink_)
            sink_->timerDue();
    });
    inputPoll_.setInterval(1);
    QObject::connect(&inputPoll_, &QTimer::timeout, [this] {
        if (sink_)
            sink_->inputReady();
    });
}

QtLinkEvents::~QtLinkEvents() = default;

link::Micros QtLinkEvents::now() const {
    return link::Micros(clock_.nsecsElapsed() / 1000);
}

void QtLinkEvents::armTimer(link::Micros at) {
    // Whole milliseconds, rounded up: a time-out never comes early.
    const auto wait = std::max<long long>((at - now()).count(), 0);
    timer_.start(static_cast<int>((wait + 999) / 1000));
}

void QtLinkEvents::cancelTimer() {
    timer_.stop();
}

void QtLinkEvents::watchInput(bool on) {
    inputPoll_.stop();
    if (notifier_)
        notifier_->setEnabled(false);
    if (!on)
        return;
    const int fd = port_.descriptor();
    if (fd < 0) {
        inputPoll_.start();
        return;
    }
    // A notifier belongs to one descriptor; a port opened again may have another. The old
    // one may be the sender of the signal that got here: it goes once the loop is back.
    if (notifier_ && notifier_->socket() != fd)
        notifier_.release()->deleteLater();
    if (!notifier_) {
        notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
            if (sink_)
                sink_->inputReady();
        });
    }
    notifier_->setEnabled(true);
}

}  // namespace orvane::ui
