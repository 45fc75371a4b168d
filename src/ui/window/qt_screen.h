// The cores' view of the Qt window: every write and read names a control by its object
// name, and this class finds the widget and speaks to it in its own terms (a page's tab, a
// group's title, a numeric field's value, a lamp's state, a chart's channel). Names are
// looked up once and kept, since the live view writes about a hundred controls per tick.
// A name with no widget behind it is remembered (missingControls) and otherwise ignored, so
// a gap in the layout never stops the program. Programmatic writes never raise the window's
// change handlers: those listen to the operator's actions only.
// Owned by the window; window thread only.
#pragma once

#include <QPointer>
#include <map>
#include <set>
#include <string>

#include "monitor/screen.h"

class QTabWidget;
class QTimer;
class QWidget;

namespace orvane::widgets {
class TrendChart;
}

namespace orvane::ui {

class QtScreen final : public monitor::Screen, public monitor::ScreenReader {
  public:
    // `window` answers to "Form1" (its title) and holds every named control; `pages` is the
    // page control whose pages' captions and visibility are their tabs'; `timer` is `Timer1`.
    QtScreen(QWidget& window, QTabWidget& pages, QTimer& timer);

    void setNumber(std::string_view control, double value) override;
    void setLamp(std::string_view control, bool active) override;
    void setDigits(std::string_view control, double value) override;
    void setText(std::string_view control, std::string_view text) override;
    void setAutoScroll(std::string_view control, bool on) override;
    void setChecked(std::string_view control, bool checked) override;
    void setListItems(std::string_view control, std::span<const std::string> items) override;
    void setListIndex(std::string_view control, int index) override;
    void setVisible(std::string_view control, bool visible) override;
    void setEnabled(std::string_view control, bool enabled) override;
    void setDate(std::string_view control, monitor::CalendarDate date) override;
    void setTrendValue(monitor::Chart chart, int channel, float value) override;
    void setTrendVisible(monitor::Chart chart, int channel, bool visible) override;
    void setTrendRange(monitor::Chart chart, int channel, double from, double to) override;
    void setTrendUnit(monitor::Chart chart, int channel, std::string_view unit) override;
    void setTrendScales(monitor::Chart chart, int leftChannel, int rightChannel) override;
    void setTrendRecording(bool on) override;
    void setPollTimer(bool enabled) override;

    std::optional<double> number(std::string_view control) const override;
    bool isChecked(std::string_view control) const override;
    int listIndex(std::string_view control) const override;
    std::string text(std::string_view control) const override;
    bool isVisible(std::string_view control) const override;
    monitor::CalendarDate date(std::string_view control) const override;

    // Names asked for that no widget carries; empty in a complete window.
    const std::set<std::string>& missingControls() const { return missing_; }

    // The widget named `control`, or null.
    QWidget* find(std::string_view control) const;

  private:
    template <class T>
    T* as(std::string_view control) const;
    int pageIndex(const QWidget* widget) const;
    widgets::TrendChart* chart(monitor::Chart which) const;

    QWidget& window_;
    QTabWidget& pages_;
    QTimer& timer_;
    mutable std::map<std::string, QPointer<QWidget>, std::less<>> cache_;
    mutable std::set<std::string> missing_;
};

}  // namespace orvane::ui
