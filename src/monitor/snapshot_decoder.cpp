#include "monitor/snapshot_decoder.h"

#include <span>

#include "monitor/unit_snapshot_tables.h"

namespace orvane::monitor {

namespace {

using Samples = std::array<std::uint16_t, TrendWordCount>;

std::span<const std::uint8_t> BytesOf(StoredBlock block, const PollState& poll) {
    switch (block) {
        case StoredBlock::TrendBlock:
            return poll.TrendBlock;
        case StoredBlock::LiveBlockA:
            return poll.LiveBlockA;
        case StoredBlock::LiveBlockB:
            return poll.LiveBlockB;
    }
    return {};
}

// Little-endian, lowest byte first, from any byte-addressed source.
template <class ByteAt>
std::uint32_t Gather(ByteAt byteAt, std::size_t first, std::size_t width) {
    std::uint32_t bits = 0;
    for (std::size_t i = width; i-- > 0;)
        bits = (bits << 8) | byteAt(first + i);
    return bits;
}

std::uint32_t RawBits(const MeasurementDescriptor& d, const PollState& poll,
                      const RealtimeData& data) {
    const std::size_t width = WidthOf(d.kind);
    if (d.from == ValueSource::Stored) {
        const std::span<const std::uint8_t> bytes = BytesOf(d.block, poll);
        return Gather([&](std::size_t at) { return std::uint32_t{bytes[at]}; }, d.byte, width);
    }
    // Block byte 2k and 2k + 1 are the low and high byte of sample k.
    const Samples& words =
        d.from == ValueSource::Smoothed ? data.SmoothedSamples : data.LatestSamples;
    return Gather(
        [&](std::size_t at) { return std::uint32_t{words[at / 2]} >> (8 * (at % 2)) & 0xFF; },
        d.byte, width);
}

double Interpret(std::uint32_t bits, ValueKind kind) {
    switch (kind) {
        case ValueKind::Signed16:
            return static_cast<std::int16_t>(bits);
        case ValueKind::Signed32:
            return static_cast<std::int32_t>(bits);
        case ValueKind::Unsigned8:
        case ValueKind::Unsigned16:
        case ValueKind::Unsigned32:
            break;
    }
    return bits;
}

}  // namespace

UnitSnapshot DecodeSnapshot(const PollState& poll, const RealtimeData& data,
                            TrendBlockCount trendBlocks) {
    UnitSnapshot s;
    for (const MeasurementDescriptor& d : MeasurementTable)
        s.measurements[static_cast<std::size_t>(d.measurement)] =
            Interpret(RawBits(d, poll, data), d.kind) / d.scale;
    for (const LampDescriptor& d : LampTable)
        s.lamps[static_cast<std::size_t>(d.lamp)] = (BytesOf(d.block, poll)[d.byte] & d.mask) != 0;
    for (const ClockPart& p : ClockLayout)
        s.clock.*p.part = poll.ClockBlock[p.byte] + p.offset;
    s.firmware = {poll.FirmwareVersion[0], poll.FirmwareVersion[1], poll.FirmwareVersion[2],
                  IsExpectedFirmware(poll.FirmwareVersion)};
    s.trendBlocks = trendBlocks;
    return s;
}

}  // namespace orvane::monitor
