// The cores' view of the Qt window: every write and read names a control by its handle, and
// this class speaks to the widget in its own terms (a page's tab, a group's title, a numeric
// field's value, a lamp's state, a chart's channel). Construction finds the widget of every
// control in the control table once and checks its class; a control that is missing or of
// another class is a fault of the pages, reported by a std::logic_error that names every
// such control (in every build: the table and the pages are built from one source, so a
// mismatch can only come from a page that forgot a control, and a window that silently drops
// writes would hide it). Programmatic writes never raise the window's change handlers: those
// listen to the operator's actions only. It also hands out what the charts hold for export.
// Owned by the window; window thread only.
#pragma once

#include <array>
#include <string>

#include "frontend/chart_contents.h"
#include "frontend/screen.h"

class QTabWidget;
class QWidget;

namespace orvane::widgets {
class TrendChart;
}

namespace orvane::ui {

class QtScreen final : public frontend::Screen,
                       public frontend::ScreenReader,
                       public frontend::ChartContents {
  public:
    // `window` is `Form1` and holds every control of the table; `pages` is the page control
    // whose pages' captions and visibility are their tabs'. Both must outlive this object.
    QtScreen(QWidget& window, QTabWidget& pages);

    void setNumber(frontend::NumberControl control, double value) override;
    void setLamp(frontend::LampControl control, bool active) override;
    void setDigits(frontend::DigitsControl control, double value) override;
    void setText(frontend::TextControl control, std::string_view text) override;
    void setAutoScroll(frontend::MatrixControl control, bool on) override;
    void setChecked(frontend::CheckControl control, bool checked) override;
    void setListItems(frontend::ListControl control, std::span<const std::string> items) override;
    void setListIndex(frontend::ListControl control, int index) override;
    void setVisible(frontend::AnyControl control, bool visible) override;
    void setEnabled(frontend::AnyControl control, bool enabled) override;
    void setDate(frontend::DateControl control, frontend::CalendarDate date) override;
    void setOutOfRange(frontend::Control<frontend::ControlKind::NumericField> control,
                       std::string_view tip) override;
    void setTip(frontend::TipControl control, std::string_view tip) override;
    void setTrendValue(frontend::Chart chart, int channel, float value) override;
    void setTrendVisible(frontend::Chart chart, int channel, bool visible) override;
    void setTrendRange(frontend::Chart chart, int channel, double from, double to) override;
    void setTrendUnit(frontend::Chart chart, int channel, std::string_view unit) override;
    void setTrendScales(frontend::Chart chart, int leftChannel, int rightChannel) override;
    void setTrendRecording(bool on) override;

    std::optional<double> number(frontend::NumberControl control) const override;
    bool isChecked(frontend::CheckControl control) const override;
    int listIndex(frontend::ListControl control) const override;
    std::string text(frontend::TextControl control) const override;
    bool isVisible(frontend::AnyControl control) const override;
    frontend::CalendarDate date(frontend::DateControl control) const override;

    std::vector<frontend::ChartRecord> heldRecords(frontend::Chart chart) const override;
    std::string pictureAsPng(frontend::Chart chart) const override;

    // The text a control shows (a list: its current entry), or nothing for a control without
    // one; accessible names are built from it.
    std::string captionOf(frontend::ControlId id) const;

    // The widget of a control.
    QWidget* widget(frontend::AnyControl control) const;

  private:
    template <class T>
    T* as(frontend::AnyControl control) const;
    int pageIndex(const QWidget* widget) const;
    widgets::TrendChart* chart(frontend::Chart which) const;

    QWidget& window_;
    QTabWidget& pages_;
    std::array<QWidget*, frontend::ControlCount> widgets_{};  // by ControlId
};

}  // namespace orvane::ui
