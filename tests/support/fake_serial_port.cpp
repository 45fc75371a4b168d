#include "support/fake_serial_port.h"

#include "link/frame.h"

namespace orvane::testing {

Bytes AnswerFrame(std::uint8_t function, const Bytes& payload) {
    Bytes frame{0xAA, 0xEA, static_cast<std::uint8_t>(payload.size() + link::FrameOverhead),
                0x00, 0x00, function};
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(link::Checksum(frame));
    return frame;
}

}  // namespace orvane::testing
