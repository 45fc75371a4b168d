#include "link/frame.h"

#include <algorithm>

namespace orvane::link {

std::uint8_t Checksum(std::span<const std::uint8_t> bytes) {
    std::uint8_t sum = 0;
    for (std::uint8_t b : bytes) sum ^= b;
    return sum;
}

std::uint8_t BuildFrame(FrameBuffer& tx, std::uint8_t unitAddress, std::uint8_t masterAddress,
                        std::uint8_t functionCode, const std::uint8_t* payload,
                        std::size_t payloadLength, std::uint8_t addressLow,
                        std::uint8_t addressHigh) {
    if (payloadLength > MaxPayloadLength) return FrameRefused;
    tx.fill(0);
    tx[0] = unitAddress;
    tx[1] = masterAddress;
    tx[LengthByte] = static_cast<std::uint8_t>(payloadLength + FrameOverhead);
    tx[AddressLowByte] = addressLow;
    tx[AddressHighByte] = addressHigh;
    tx[FunctionByte] = functionCode;
    if (payloadLength > 0) std::copy_n(payload, payloadLength, tx.begin() + PayloadStart);
    const std::size_t checksumAt = PayloadStart + payloadLength;
    tx[checksumAt] = Checksum(std::span(tx.data(), checksumAt));
    return static_cast<std::uint8_t>(payloadLength + FrameOverhead);
}

std::size_t FrameStart(StartRule rule, std::uint8_t r0, std::uint8_t r1) {
    if (r0 == 0x00) return 1;
    if (rule == StartRule::SkipLeadingZeroOrRepeat && r0 == r1) return 1;
    return 0;
}

bool AnswerIntact(std::span<const std::uint8_t> frame) {
    if (frame.size() <= LengthByte) return false;
    const std::size_t length = frame[LengthByte];
    // Below 7 there is no room for a header and a checksum: whatever the XOR says, such
    // bytes are not a frame, and bytes 5 and 6 that callers go on to read lie outside it.
    if (length < FrameOverhead || length > frame.size()) return false;
    return Checksum(frame.first(length - 1)) == frame[length - 1];
}

}  // namespace orvane::link
