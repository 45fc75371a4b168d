// Frame codec of the RS-485 protocol: request layout, XOR checksum, where a received
// answer starts and whether it is intact. Pure functions over byte buffers; it never
// touches a port. Thread: any (no state).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace orvane::link {

inline constexpr std::size_t MaxFrameLength = 240;
inline constexpr std::size_t HeaderLength = 6;
inline constexpr std::size_t FrameOverhead = 7;  // header plus checksum
inline constexpr std::size_t MaxPayloadLength = MaxFrameLength - FrameOverhead;  // 233
inline constexpr std::size_t ReceiveAreaSize = 256;
inline constexpr std::uint8_t FrameRefused = 0xFF;

inline constexpr std::uint8_t UnitAddress = 0xEA;
inline constexpr std::uint8_t MasterAddress = 0xAA;

// Frame byte positions.
inline constexpr std::size_t LengthByte = 2;
inline constexpr std::size_t AddressLowByte = 3;
inline constexpr std::size_t AddressHighByte = 4;
inline constexpr std::size_t FunctionByte = 5;
inline constexpr std::size_t PayloadStart = 6;

namespace function {
inline constexpr std::uint8_t FirmwareVersion = 0x10;
inline constexpr std::uint8_t LiveBlockA = 0x14;
inline constexpr std::uint8_t TrendBlock = 0x17;
inline constexpr std::uint8_t LiveBlockB = 0x20;
inline constexpr std::uint8_t OperatingCommand = 0x22;
inline constexpr std::uint8_t MemoryCommit = 0x32;
inline constexpr std::uint8_t StorageDataReset = 0x4A;
inline constexpr std::uint8_t BatteryDataReset = 0x4B;
inline constexpr std::uint8_t ChargeFaultReset = 0x4E;
inline constexpr std::uint8_t ClockRead = 0xA0;
inline constexpr std::uint8_t ClockSet = 0xA1;
inline constexpr std::uint8_t MemoryWrite = 0xB0;
inline constexpr std::uint8_t MemoryRead = 0xB1;
}  // namespace function

using FrameBuffer = std::array<std::uint8_t, MaxFrameLength>;

// XOR of the bytes, starting from 0.
std::uint8_t Checksum(std::span<const std::uint8_t> bytes);

// Lays a frame out in `tx` and returns its length (payload + 7), or FrameRefused when the
// payload does not fit; `tx` is then left exactly as it was. Bytes behind the checksum are 0.
std::uint8_t BuildFrame(FrameBuffer& tx, std::uint8_t unitAddress, std::uint8_t masterAddress,
                        std::uint8_t functionCode, const std::uint8_t* payload,
                        std::size_t payloadLength, std::uint8_t addressLow,
                        std::uint8_t addressHigh);

// A received run may carry one extra byte ahead of the frame. The memory-write answer
// drops only a leading 0x00; the other routines also drop a byte that repeats the next.
enum class StartRule { SkipLeadingZero, SkipLeadingZeroOrRepeat };

// Offset (0 or 1) of the frame inside the received run, from its first two bytes.
std::size_t FrameStart(StartRule rule, std::uint8_t r0, std::uint8_t r1);

// True when the XOR of frame bytes 0..L-2 equals byte L-1, L being frame byte 2.
// A length byte too small for a frame (below 7) or one that would take the check outside
// `frame` is reported as not intact.
bool AnswerIntact(std::span<const std::uint8_t> frame);

}  // namespace orvane::link
