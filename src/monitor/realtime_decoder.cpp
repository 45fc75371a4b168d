#include "monitor/realtime_decoder.h"

#include <span>

#include "monitor/link_state.h"
#include "monitor/snapshot_decoder.h"

namespace orvane::monitor {

namespace {

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

}  // namespace

RealtimeDecoder::RealtimeDecoder(PollState& poll, RealtimeData& data,
                                 const catalogue::Language& language)
    : poll_(poll), data_(data), language_(language) {}

UnitSnapshot RealtimeDecoder::Run() {
    const bool newBlock = takeNewTrendBlock();
    UnitSnapshot snapshot = DecodeSnapshot(poll_, data_, {newBlock, data_.TrendBlocksTaken});
    snapshot.link = SettleLinkState(poll_, language_);
    return snapshot;
}

bool RealtimeDecoder::takeNewTrendBlock() {
    if (!poll_.TrendBlockReady)
        return false;
    const std::span<const std::uint8_t> block(poll_.TrendBlock);
    if (data_.FilterSeedPending) {
        for (std::size_t k = 0; k < TrendWordCount; ++k)
            SeedFilter(data_.SampleFilter[k], Word(block, 2 * k));
        data_.FilterSeedPending = false;
    }
    for (std::size_t k = 0; k < TrendWordCount; ++k)
        data_.LatestSamples[k] = Word(block, 2 * k);
    for (std::size_t k = 0; k < TrendWordCount; ++k)
        data_.SmoothedSamples[k] = UpdateFilter(data_.SampleFilter[k], data_.LatestSamples[k]);
    poll_.TrendBlockReady = false;
    ++data_.TrendBlocksTaken;
    return true;
}

}  // namespace orvane::monitor
