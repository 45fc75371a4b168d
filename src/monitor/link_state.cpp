#include "monitor/link_state.h"

#include <optional>

namespace orvane::monitor {

namespace {

constexpr std::uint8_t CalmTicksBeforeOk = 3;
// Between two error texts shown together on the one scrolling line.
constexpr std::string_view ErrorSeparator = " - ";

std::optional<LinkCondition> ErrorCondition(const PollState& poll) {
    if (poll.LinkErrorFlag && poll.FwVersionError)
        return LinkCondition::communicationAndFirmwareError;
    if (poll.LinkErrorFlag)
        return LinkCondition::communicationError;
    if (poll.FwVersionError)
        return LinkCondition::firmwareError;
    return std::nullopt;
}

bool IsError(LinkCondition condition) {
    return condition != LinkCondition::starting && condition != LinkCondition::ok;
}

std::string RowText(int row, const catalogue::Language& language) {
    return std::string(language.text(row));
}

std::string FirmwareErrorText(const catalogue::Language& language) {
    return RowText(catalogue::row::FirmwareVersionError, language) +
           std::string(catalogue::ProductWord);
}

}  // namespace

std::string LinkText(LinkCondition condition, const catalogue::Language& language) {
    switch (condition) {
        case LinkCondition::starting:
            return RowText(catalogue::row::Started, language);
        case LinkCondition::ok:
            return RowText(catalogue::row::CommunicationOk, language);
        case LinkCondition::communicationError:
            return RowText(catalogue::row::CommunicationError, language);
        case LinkCondition::firmwareError:
            return FirmwareErrorText(language);
        case LinkCondition::communicationAndFirmwareError:
            return RowText(catalogue::row::CommunicationError, language) +
                   std::string(ErrorSeparator) + FirmwareErrorText(language);
    }
    return {};
}

LinkState SettleLinkState(PollState& poll, const catalogue::Language& language) {
    // An error is written on every tick it holds: the same text again, so its scroll runs
    // on instead of starting over.
    bool written = false;
    if (const std::optional<LinkCondition> error = ErrorCondition(poll)) {
        poll.LinkShown = *error;
        poll.LinkOkDelay = CalmTicksBeforeOk;
        written = true;
    } else if (poll.LinkOkDelay > 0 && --poll.LinkOkDelay == 0) {
        poll.LinkShown = LinkCondition::ok;
        written = true;
    }
    return LinkState{poll.LinkShown, LinkText(poll.LinkShown, language), IsError(poll.LinkShown),
                     written};
}

}  // namespace orvane::monitor
