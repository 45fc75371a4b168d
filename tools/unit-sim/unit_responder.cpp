#include "unit-sim/unit_responder.h"

#include <algorithm>

#include "link/frame.h"

namespace orvane::unitsim {

namespace {

namespace fn = link::function;

template <std::size_t N>
Bytes ToBytes(const std::array<std::uint8_t, N>& a) {
    return Bytes(a.begin(), a.end());
}

bool Is(std::span<const std::uint8_t> payload, std::uint8_t a, std::uint8_t b) {
    return payload.size() == 2 && payload[0] == a && payload[1] == b;
}

// The echo of a two-byte command, as the unit acknowledges one.
Bytes Echo(std::span<const std::uint8_t> payload, std::size_t length) {
    Bytes echo(length, 0);
    std::copy_n(payload.begin(), std::min(length, payload.size()), echo.begin());
    return echo;
}

}  // namespace

UnitResponder::UnitResponder(MemoryImage& memory, LiveModel& model, const Settings& settings,
                             CommitHandler commit)
    : memory_(memory), model_(model), settings_(settings), commit_(std::move(commit)) {}

std::optional<Bytes> UnitResponder::answer(std::span<const std::uint8_t> request) {
    if (request.size() < link::FrameOverhead)
        return std::nullopt;
    const std::uint8_t function = request[link::FunctionByte];
    const std::uint16_t address = static_cast<std::uint16_t>(request[link::AddressLowByte] |
                                                             (request[link::AddressHighByte] << 8));
    const auto payload = request.subspan(link::PayloadStart, request.size() - link::FrameOverhead);
    std::optional<Bytes> answerPayload = payloadFor(function, address, payload);
    if (!answerPayload)
        return std::nullopt;

    // Addressed back to the master, so the unit never takes its own answer for a request
    // when an adapter echoes the line; the two lead bytes therefore always differ.
    link::FrameBuffer frame{};
    const std::uint8_t length = link::BuildFrame(
        frame, link::MasterAddress, link::UnitAddress, function, answerPayload->data(),
        answerPayload->size(), request[link::AddressLowByte], request[link::AddressHighByte]);
    if (length == link::FrameRefused)
        return std::nullopt;
    return Bytes(frame.begin(), frame.begin() + length);
}

std::optional<Bytes> UnitResponder::payloadFor(std::uint8_t function, std::uint16_t address,
                                               std::span<const std::uint8_t> payload) {
    switch (function) {
        case fn::FirmwareVersion:
            return Bytes{settings_.firmware.major, settings_.firmware.minor,
                         settings_.firmware.build};
        case fn::LiveBlockA:
            return ToBytes(model_.liveBlockA());
        case fn::LiveBlockB:
            return ToBytes(model_.liveBlockB());
        case fn::TrendBlock:
            return ToBytes(model_.trendBlock());
        case fn::ClockRead:
            return ToBytes(model_.clockBlock());
        case fn::OperatingCommand:
            if (Is(payload, 0x03, 0x07))
                model_.block();
            if (Is(payload, 0x02, 0x05))
                model_.start();
            if (Is(payload, 0x5A, 0x9B))
                model_.startFullCharge();
            return Echo(payload, answer_length::OperatingCommand);
        case fn::BatteryDataReset:
            model_.resetBatteryData();
            return ToBytes(model_.liveBlockB());
        case fn::StorageDataReset:
            model_.resetStorageData();
            return ToBytes(model_.liveBlockB());
        case fn::ClockSet: {
            model_.setClock(payload);
            // The clock as it now runs: the sent time, or the old one if that was impossible.
            Bytes answer(answer_length::ClockSet, 0);
            const auto clock = model_.clockBlock();
            std::copy(clock.begin(), clock.end(), answer.begin());
            return answer;
        }
        case fn::ChargeFaultReset:
            if (Is(payload, 0x10, 0x01))
                model_.resetChargeFault();
            return Echo(payload, answer_length::ChargeFaultReset);
        case fn::MemoryWrite: {
            std::uint8_t status = settings_.writeStatus;
            if (status == 1) {
                const bool fits = !payload.empty() && payload.size() <= MaxWriteBytes;
                status = fits && memory_.write(address, payload) ? 1 : 0;
            }
            return Bytes{status};
        }
        case fn::MemoryRead: {
            // A read that strays outside the memory is answered without data.
            if (payload.size() != 1 || payload[0] > link::MaxPayloadLength)
                return Bytes{};
            Bytes data(payload[0]);
            if (!memory_.read(address, data.size(), data))
                return Bytes{};
            return data;
        }
        case fn::MemoryCommit:
            if (Is(payload, 0x55, 0xAA) && commit_ && !commit_(memory_))
                return std::nullopt;
            return Echo(payload, answer_length::MemoryCommit);
        default:
            return std::nullopt;
    }
}

}  // namespace orvane::unitsim
