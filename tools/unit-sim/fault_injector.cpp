#include "unit-sim/fault_injector.h"

#include <algorithm>

#include "link/frame.h"

namespace orvane::unitsim {

namespace {

bool Due(unsigned every, unsigned& count) {
    if (every == 0)
        return false;
    if (++count < every)
        return false;
    count = 0;
    return true;
}

}  // namespace

Bytes Transmission::all() const {
    Bytes bytes = head;
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
}

void FaultInjector::configure(const FaultSettings& settings) {
    if (settings.dropEvery != settings_.dropEvery)
        requests_ = 0;
    if (settings.corruptEvery != settings_.corruptEvery)
        corruptCount_ = 0;
    if (settings.truncateEvery != settings_.truncateEvery)
        truncateCount_ = 0;
    settings_ = settings;
}

bool FaultInjector::ignoreRequest() {
    if (settings_.silent)
        return true;
    return Due(settings_.dropEvery, requests_);
}

bool FaultInjector::loseAnswerTo(const Bytes& request) const {
    return settings_.loseCommitAnswer && request.size() > link::FunctionByte &&
           request[link::FunctionByte] == link::function::MemoryCommit;
}

Transmission FaultInjector::shape(Bytes frame) {
    if (settings_.wrongFunction && frame.size() >= link::FrameOverhead) {
        frame[link::FunctionByte] ^= 0x40;
        frame.back() = link::Checksum(std::span(frame.data(), frame.size() - 1));
    }
    if (Due(settings_.corruptEvery, corruptCount_) && frame.size() >= link::FrameOverhead) {
        // A payload byte (the checksum when there is none): never the length byte, so the
        // receiver still knows how much to check, and never the lead-in bytes.
        const std::size_t payload = frame.size() - link::FrameOverhead;
        frame[link::PayloadStart + payload / 2] ^= 0xFF;
    }
    if (Due(settings_.truncateEvery, truncateCount_))
        frame.resize(std::max<std::size_t>(1, frame.size() / 2));

    Transmission t;
    std::uniform_int_distribution<int> byte(1, 255);
    for (unsigned i = 0; i < settings_.garbage; ++i) {
        // Never 0x00 nor a copy of the frame's first byte: the receiver would take either
        // for the one lead-in byte it tolerates, and the noise would go unnoticed.
        std::uint8_t b = 0;
        do
            b = static_cast<std::uint8_t>(byte(random_));
        while (!frame.empty() && b == frame.front());
        t.head.push_back(b);
    }
    if (settings_.leadingZero)
        t.head.push_back(0x00);
    if (settings_.dupFirst && !frame.empty())
        t.head.push_back(frame.front());
    if (settings_.gapMs > 0) {
        const std::size_t half = frame.size() / 2;
        t.head.insert(t.head.end(), frame.begin(),
                      frame.begin() + static_cast<std::ptrdiff_t>(half));
        t.gapMs = settings_.gapMs;
        t.tail.assign(frame.begin() + static_cast<std::ptrdiff_t>(half), frame.end());
    } else {
        t.head.insert(t.head.end(), frame.begin(), frame.end());
    }
    return t;
}

}  // namespace orvane::unitsim
