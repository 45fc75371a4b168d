// What the cores ask of the operator: message boxes, and the list of fields a transfer
// would change. The Qt window shows real boxes; tests answer from a script. Window thread;
// each call blocks until the operator answers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvane::frontend {

// One field in a list of changes: its row's caption and its two values with their units.
struct ChangeRow {
    std::string caption;
    std::string before;
    std::string after;
};

// A table of changed fields under a message; with no rows the message says why.
struct ChangeList {
    std::string message;
    std::string captionHeader;
    std::string beforeHeader;
    std::string afterHeader;
    std::vector<ChangeRow> rows;
};

class OperatorDialogs {
  public:
    virtual ~OperatorDialogs() = default;
    virtual void inform(std::string_view text) = 0;     // information icon, OK
    virtual void showError(std::string_view text) = 0;  // error icon, OK
    virtual bool askYesNo(std::string_view text) = 0;   // question icon, Yes/No; true: Yes
    // The list with Yes and No; true: Yes.
    virtual bool askChanges(const ChangeList& changes) = 0;
    // The list with OK.
    virtual void showChanges(const ChangeList& changes) = 0;
};

}  // namespace orvane::frontend
