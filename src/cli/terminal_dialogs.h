// The operator at a terminal: information and errors as lines on the message stream
// (stderr), lists of changes as a table on the data stream (stdout), and each Yes/No
// question asked on the message stream and answered by a line from the input (stdin), or
// answered Yes at once when the job runs with --yes. An answer that is not Yes (an empty
// line, the end of the input) is No. Owned by the command line's program; one thread.
#pragma once

#include <istream>
#include <ostream>

#include "catalogue/message_catalogue.h"
#include "frontend/operator_dialogs.h"

namespace orvane::cli {

class TerminalDialogs final : public frontend::OperatorDialogs {
  public:
    // Every reference must outlive this object.
    TerminalDialogs(std::istream& in, std::ostream& data, std::ostream& messages,
                    const catalogue::Language& language);

    // Prompts in `language` from now on; it must outlive this object.
    void speak(const catalogue::Language& language) { language_ = &language; }
    // Every later question is answered Yes without reading the input.
    void answerYes() { assumeYes_ = true; }
    // Some question has been answered No.
    bool declined() const { return declined_; }

    void inform(std::string_view text) override;
    void showError(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    bool askChanges(const frontend::ChangeList& changes) override;
    void showChanges(const frontend::ChangeList& changes) override;

  private:
    bool answer();

    std::istream& in_;
    std::ostream& data_;
    std::ostream& messages_;
    const catalogue::Language* language_;
    bool assumeYes_ = false;
    bool declined_ = false;
};

// The list as text: its message, then a header and one line per row, in columns padded to
// their widest entry (counted in characters, not bytes); with no rows the message alone.
std::string ChangeListText(const frontend::ChangeList& changes);

// Whether a typed answer means Yes: "s", "si", "sì", "y", "yes" in any case.
bool IsYes(std::string_view answer);

}  // namespace orvane::cli
