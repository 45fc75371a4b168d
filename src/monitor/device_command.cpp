#include "monitor/device_command.h"

namespace orvane::monitor {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string CommandCaption(DeviceCommand command, const catalogue::Language& language) {
    const DeviceCommandRow& row = Describe(command);
    std::string caption(language.text(row.captionRow));
    if (row.withProductWord)
        caption += catalogue::ProductWord;
    return std::string(Trimmed(caption));
}

void RecordClearedCommands(const CommandRequest& before, const CommandRequest& after,
                           journal::EventKind kind, journal::EventSink& events,
                           const catalogue::Language& language, const DeviceCommand* sent) {
    for (const DeviceCommandRow& row : DeviceCommandTable)
        if ((sent == nullptr || row.command != *sent) && before.*row.flag && !(after.*row.flag))
            events.record(kind, CommandCaption(row.command, language));
}

}  // namespace orvane::monitor
