// Accessible names that follow the language. A control takes the text of the label whose
// buddy it is, or of the control named by its `orvaneNameFrom` property (followed by its
// `orvaneNameSuffix`, e.g. the octet's number), so screen readers and GUI test tools read
// the same caption the operator sees. Run after every language application; GUI thread.
#pragma once

class QWidget;

namespace orvane::ui {

class QtScreen;

void RefreshAccessibleNames(QWidget& window, const QtScreen& screen);

}  // namespace orvane::ui
