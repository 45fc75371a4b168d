#include "monitor/link_state_display.h"

#include <cstdio>

namespace orvane::monitor {

namespace {
constexpr frontend::MatrixControl Matrix = frontend::controls::Vr_String;
constexpr std::uint8_t CalmTicksBeforeOk = 3;
// Between two error texts shown together on the one scrolling line.
constexpr std::string_view ErrorSeparator = " - ";

// The error text of this tick, empty while none holds: the communication error before the
// firmware error, both joined into one line while both hold. Written once per tick, so a
// text that holds from tick to tick is the same text and its scroll runs on instead of
// starting again.
std::string ErrorText(const PollState& poll, const catalogue::Language& language) {
    std::string text;
    const auto add = [&text](std::string_view part, std::string_view tail = {}) {
        if (!text.empty())
            text += ErrorSeparator;
        text.append(part).append(tail);
    };
    if (poll.LinkErrorFlag)
        add(language.text(catalogue::row::CommunicationError));
    if (poll.FwVersionError)
        add(language.text(catalogue::row::FirmwareVersionError), catalogue::ProductWord);
    return text;
}
}  // namespace

std::string FirmwareLabel(const PollState& poll) {
    char text[16];
    std::snprintf(text, sizeof text, "%2d.%2d.%2d", poll.FirmwareVersion[0],
                  poll.FirmwareVersion[1], poll.FirmwareVersion[2]);
    return text;
}

void ShowLinkState(PollState& poll, frontend::Screen& screen, const catalogue::Language& language) {
    if (const std::string error = ErrorText(poll, language); !error.empty()) {
        screen.setText(Matrix, error);
        screen.setAutoScroll(Matrix, true);
        poll.LinkOkDelay = CalmTicksBeforeOk;
    } else if (poll.LinkOkDelay > 0 && --poll.LinkOkDelay == 0) {
        screen.setAutoScroll(Matrix, false);
        screen.setText(Matrix, language.text(catalogue::row::CommunicationOk));
    }
}

}  // namespace orvane::monitor
