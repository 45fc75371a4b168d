// Accessible names that follow the captions. A control takes the text of the label whose
// buddy it is, or the captions of the controls listed in its `orvaneNameFrom` property, in
// order (followed by its `orvaneNameSuffix`, e.g. the octet's number), so screen readers and
// GUI test tools read the same caption the operator sees. Run after every language
// application and every handler that may change captions; GUI thread.
#pragma once

class QWidget;

namespace orvane::ui {

class QtScreen;

void RefreshAccessibleNames(QWidget& window, const QtScreen& screen);

}  // namespace orvane::ui
