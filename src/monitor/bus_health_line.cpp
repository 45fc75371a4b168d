#include "monitor/bus_health_line.h"

#include <array>
#include <cstdio>
#include <utility>

namespace orvane::monitor {

namespace {

namespace row = catalogue::row;
using link::ExchangeOutcome;

// The tip's lines of counts, in the order they are listed.
struct OutcomeRow {
    ExchangeOutcome outcome;
    int row;
};
constexpr std::array OutcomeRows{
    OutcomeRow{ExchangeOutcome::Answered, row::BusAnswered},
    OutcomeRow{ExchangeOutcome::NoAnswer, row::BusNoAnswer},
    OutcomeRow{ExchangeOutcome::BadFrame, row::BusBadFrame},
    OutcomeRow{ExchangeOutcome::WrongAnswer, row::BusWrongAnswer},
};
static_assert(OutcomeRows.size() == ExchangeOutcomeCount);

// Whole milliseconds, to the nearest.
std::string Milliseconds(std::chrono::microseconds duration) {
    return std::to_string((duration.count() + 500) / 1000);
}

std::string Percent(std::uint64_t perMille) {
    return std::to_string(perMille / 10) + "." + std::to_string(perMille % 10) + "%";
}

// Day first, as the window shows the unit's clock.
std::string DateAndTime(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", t.day, t.month, t.year,
                  t.hour, t.minute, t.second);
    return text;
}

}  // namespace

std::string BusLineText(const BusHealthFigures& figures, const catalogue::Language& language) {
    const std::optional<std::uint64_t> perMille = figures.answeredPerMille();
    if (!perMille)
        return std::string(language.text(row::BusNoExchangeYet));
    std::string line = std::string(language.text(row::BusLine)) + Percent(*perMille);
    if (figures.cyclePeriod)
        line += " \u00B7 " + Milliseconds(*figures.cyclePeriod) +
                std::string(language.text(row::BusPerCycle));
    return line;
}

std::string BusDetailsText(const BusHealthFigures& figures, const catalogue::Language& language) {
    std::string details(language.text(row::BusDetailsHead));
    const auto addLine = [&](int label, const std::string& value) {
        details += "\n";
        details += language.text(label);
        details += value;
    };
    for (const OutcomeRow& r : OutcomeRows)
        addLine(r.row, std::to_string(figures.count(r.outcome)));
    addLine(row::BusReconnects, std::to_string(figures.reconnects));
    addLine(row::BusCyclePeriod, figures.cyclePeriod
                                     ? Milliseconds(*figures.cyclePeriod) + " ms"
                                     : std::string(language.text(row::BusNotMeasured)));
    addLine(row::BusLongestExchange, Milliseconds(figures.longestExchange) + " ms");
    addLine(row::BusLastFailure, figures.lastFailure
                                     ? DateAndTime(*figures.lastFailure)
                                     : std::string(language.text(row::BusNoFailure)));
    return details;
}

BusHealthLine::BusHealthLine(const BusHealth& health, frontend::Screen& screen,
                             const catalogue::Language& language)
    : health_(health), screen_(screen), language_(language) {}

void BusHealthLine::refresh() {
    constexpr auto Line = frontend::controls::Lb_Stato_Bus;
    std::string line = BusLineText(health_.figures(), language_);
    if (line != shownLine_) {
        screen_.setText(Line, line);
        shownLine_ = std::move(line);
    }
    std::string details = BusDetailsText(health_.figures(), language_);
    if (details != shownDetails_) {
        screen_.setTip(Line, details);
        shownDetails_ = std::move(details);
    }
}

}  // namespace orvane::monitor
