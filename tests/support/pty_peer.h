// A scripted unit on the far side of a pseudo-terminal. The code under test opens
// devicePath() like any serial port; the peer reads each request frame on the master side
// and answers it (or stays silent) after a turnaround, as a unit on the bus does. It runs
// its own thread; every public member may be called from the test's thread. Owned by the
// test (or benchmark) for the duration of one case.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/serial_port.h"

namespace orvane::testing {

using PeerBytes = std::vector<std::uint8_t>;

// What the peer sends back for one request: pieces written one after the other, each
// after its own pause (the first one's pause counts after the turnaround). No pieces:
// the peer stays silent.
struct PeerAnswer {
    struct Piece {
        std::chrono::microseconds pause{0};
        PeerBytes bytes;
    };
    std::vector<Piece> pieces;

    static PeerAnswer Silent() { return {}; }
    static PeerAnswer At(PeerBytes bytes) {
        return {{{std::chrono::microseconds(0), std::move(bytes)}}};
    }
};

class PtyPeer {
  public:
    using Script = std::function<PeerAnswer(const PeerBytes& request)>;

    explicit PtyPeer(std::chrono::microseconds turnaround = std::chrono::milliseconds(5));
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    // The slave side, e.g. /dev/pts/3; empty when no pseudo-terminal could be made.
    const std::string& devicePath() const { return path_; }

    void answerWith(Script script);
    // Answers every request with the same bytes (empty: silence).
    void answerAlways(PeerBytes bytes);

    // Waits (up to `timeout`) until `count` requests have come in; returns all of them.
    std::vector<PeerBytes> requests(std::size_t count = 0,
                                    std::chrono::milliseconds timeout = std::chrono::seconds(2));

    // Closes the master side: to the port under test the device has vanished.
    void hangUp();

    // Gating (see ListeningSignalPort): when on, an answer is written only once the link
    // has discarded its input after sending the request it answers, so a short turnaround
    // can never race the link's own purge.
    void gateOnListening();
    void linkListening();

  private:
    void run();
    void answer(const PeerBytes& request, std::size_t number,
                std::chrono::steady_clock::time_point received);
    bool waitUntil(std::chrono::steady_clock::time_point when);  // false when stopping
    void writeAll(const PeerBytes& bytes);

    std::chrono::microseconds turnaround_;
    std::string path_;
    int master_ = -1;
    int slaveKeeper_ = -1;  // keeps the terminal alive while the port under test is closed
    int wake_[2] = {-1, -1};

    std::mutex mutex_;
    std::condition_variable changed_;
    Script script_;
    std::vector<PeerBytes> requests_;
    bool stop_ = false;
    bool hangUpWanted_ = false;
    bool hungUp_ = false;
    bool gated_ = false;
    std::size_t listening_ = 0;
    std::thread thread_;
};

// Passes every call to the real port and tells the peer when the link, after sending,
// has discarded its input and is ready for the answer.
class ListeningSignalPort final : public link::SerialPort {
  public:
    ListeningSignalPort(link::SerialPort& inner, PtyPeer& peer) : inner_(inner), peer_(peer) {
        peer_.gateOnListening();
    }
    link::OpenError open(const std::string& path) override { return inner_.open(path); }
    void close() override { inner_.close(); }
    bool isOpen() const override { return inner_.isOpen(); }
    std::size_t write(std::span<const std::uint8_t> bytes) override {
        sent_ = true;
        return inner_.write(bytes);
    }
    void drainOutput() override { inner_.drainOutput(); }
    void discardInput() override {
        inner_.discardInput();
        if (sent_)
            peer_.linkListening();
        sent_ = false;
    }
    bool kernelDrivesRts() const override { return inner_.kernelDrivesRts(); }
    void setRts(bool raised) override { inner_.setRts(raised); }
    std::size_t read(std::span<std::uint8_t> into, const link::ReadTimeouts& timeouts,
                     const link::ReadComplete& complete) override {
        if (sent_)
            peer_.linkListening();  // read without a purge first
        sent_ = false;
        return inner_.read(into, timeouts, complete);
    }
    std::size_t writeSome(std::span<const std::uint8_t> bytes) override {
        sent_ = true;
        return inner_.writeSome(bytes);
    }
    std::size_t outputQueued() override { return inner_.outputQueued(); }
    std::size_t readSome(std::span<std::uint8_t> into) override {
        if (sent_)
            peer_.linkListening();
        sent_ = false;
        return inner_.readSome(into);
    }
    bool hungUp() const override { return inner_.hungUp(); }
    int descriptor() const override { return inner_.descriptor(); }

  private:
    link::SerialPort& inner_;
    PtyPeer& peer_;
    bool sent_ = false;
};

}  // namespace orvane::testing
