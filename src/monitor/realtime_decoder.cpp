#include "monitor/realtime_decoder.h"

#include <span>
#include <variant>

#include "monitor/link_state_display.h"
#include "monitor/realtime_tables.h"

namespace orvane::monitor {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

double RawValue(const TrendField& field, const RealtimeData& data) {
    const auto& words = field.from == Source::Smoothed ? data.SmoothedSamples : data.LatestSamples;
    const std::size_t k = field.byte / 2;
    switch (field.kind) {
        case WordKind::Unsigned16:
            return words[k];
        case WordKind::Signed16:
            return static_cast<std::int16_t>(words[k]);
        case WordKind::Unsigned32:
        case WordKind::Signed32: {
            const std::uint32_t v = std::uint32_t{words[k]} | (std::uint32_t{words[k + 1]} << 16);
            return field.kind == WordKind::Unsigned32 ? static_cast<double>(v)
                                                      : static_cast<std::int32_t>(v);
        }
    }
    return 0;
}

template <std::size_t N>
void ShowStatus(const std::array<StatusField, N>& fields, std::span<const std::uint8_t> block,
                frontend::Screen& screen) {
    for (const StatusField& f : fields) {
        const double raw = f.width == 2 ? Word(block, f.byte) : block[f.byte];
        const double shown = raw / f.scale + f.offset;
        std::visit(Overloaded{
                       [&](frontend::LampControl lamp) {
                           screen.setLamp(lamp, (block[f.byte] & f.mask) != 0);
                       },
                       [&](LiveField number) { screen.setNumber(number, shown); },
                       [&](frontend::DigitsControl digits) { screen.setDigits(digits, shown); },
                   },
                   f.control);
    }
}

}  // namespace

RealtimeDecoder::RealtimeDecoder(PollState& poll, RealtimeData& data, frontend::Screen& screen,
                                 const frontend::ScreenReader& checkBoxes,
                                 const catalogue::Language& language)
    : poll_(poll), data_(data), screen_(screen), checkBoxes_(checkBoxes), language_(language) {}

void RealtimeDecoder::Run() {
    takeNewTrendBlock();
    showTrendBlock();
    showStatusBlocks();
    screen_.setText(frontend::controls::Label_Ver_FW, FirmwareLabel(poll_));
    ShowLinkState(poll_, screen_, language_);
}

void RealtimeDecoder::takeNewTrendBlock() {
    if (!poll_.TrendBlockReady)
        return;
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
}

void RealtimeDecoder::showTrendBlock() {
    for (const TrendField& field : TrendBlockFields) {
        const double value = RawValue(field, data_) / field.scale;
        screen_.setNumber(field.control, value);
        if (field.alsoIn)
            screen_.setNumber(*field.alsoIn, value);
        const TrendFeed& trend = field.trend;
        if (trend.channel == 0)
            continue;
        const double plotted = trend.negativeAsZero && value < 0 ? 0.0 : value;
        screen_.setTrendValue(trend.chart, trend.channel, static_cast<float>(plotted));
        if (trend.checkBox)
            screen_.setTrendVisible(trend.chart, trend.channel,
                                    checkBoxes_.isChecked(*trend.checkBox));
    }
}

void RealtimeDecoder::showStatusBlocks() {
    ShowStatus(LiveBlockAFields, poll_.LiveBlockA, screen_);
    ShowStatus(LiveBlockBFields, poll_.LiveBlockB, screen_);
    ShowStatus(ClockBlockFields, poll_.ClockBlock, screen_);
}

}  // namespace orvane::monitor
