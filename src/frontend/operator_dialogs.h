// What the cores ask of the operator: message boxes. The Qt window shows real boxes; tests
// answer from a script. Window thread; each call blocks until the operator answers.
#pragma once

#include <string_view>

namespace orvane::frontend {

class OperatorDialogs {
  public:
    virtual ~OperatorDialogs() = default;
    virtual void inform(std::string_view text) = 0;     // information icon, OK
    virtual void showError(std::string_view text) = 0;  // error icon, OK
    virtual bool askYesNo(std::string_view text) = 0;   // question icon, Yes/No; true: Yes
};

}  // namespace orvane::frontend
