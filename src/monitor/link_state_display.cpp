#include "monitor/link_state_display.h"

#include <cstdio>

namespace orvane::monitor {

namespace {
constexpr frontend::MatrixControl Matrix = frontend::controls::Vr_String;
constexpr std::uint8_t CalmTicksBeforeOk = 3;
}  // namespace

std::string FirmwareLabel(const PollState& poll) {
    char text[16];
    std::snprintf(text, sizeof text, "%2d.%2d.%2d", poll.FirmwareVersion[0],
                  poll.FirmwareVersion[1], poll.FirmwareVersion[2]);
    return text;
}

void ShowLinkState(PollState& poll, frontend::Screen& screen, const catalogue::Language& language) {
    if (poll.LinkErrorFlag) {
        screen.setText(Matrix, language.text(catalogue::row::CommunicationError));
        screen.setAutoScroll(Matrix, true);
        poll.LinkOkDelay = CalmTicksBeforeOk;
    } else if (poll.LinkOkDelay > 0 && --poll.LinkOkDelay == 0) {
        screen.setAutoScroll(Matrix, false);
        screen.setText(Matrix, language.text(catalogue::row::CommunicationOk));
    }
    if (poll.FwVersionError) {
        std::string text(language.text(catalogue::row::FirmwareVersionError));
        text += catalogue::ProductWord;
        screen.setText(Matrix, text);
        screen.setAutoScroll(Matrix, true);
        poll.LinkOkDelay = CalmTicksBeforeOk;
    }
}

}  // namespace orvane::monitor
