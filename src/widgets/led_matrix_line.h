// One line of LED character cells (5x7 dots each), green on black. The text stands still,
// left-aligned, or with auto-scroll on moves one cell to the left per scroll step and
// comes round again. The line's own timer runs only while it scrolls, and rewriting the
// same text or the same auto-scroll state (the link display does so on every poll tick)
// neither repaints nor restarts the scroll. Owned by its parent widget; window thread only.
#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

#include "widgets/accessibility.h"

namespace orvane::widgets {

class LedMatrixLine : public QWidget, public AccessibleIndicator {
    Q_OBJECT

  public:
    static constexpr int kDefaultCells = 30;
    static constexpr int kDefaultScrollMs = 100;
    static constexpr int kScrollGap = 3;  // blank cells between the end and the next start

    explicit LedMatrixLine(QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);

    bool autoScroll() const { return autoScroll_; }
    void setAutoScroll(bool on);
    bool isScrolling() const { return timer_.isActive(); }

    int cellCount() const { return cells_; }
    void setCellCount(int cells);  // at least 1
    int scrollIntervalMs() const { return timer_.interval(); }
    void setScrollIntervalMs(int ms);
    void setColours(const QColor& lit, const QColor& unlit, const QColor& background);

    // The characters in the cells right now, blanks included; what the operator reads.
    QString shownText() const;
    int scrollOffset() const { return offset_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QAccessible::Role accessibleRole() const override { return QAccessible::StaticText; }
    QString accessibleValue() const override { return text_; }

  public slots:
    void scrollStep();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int period() const;
    void updateTimer();

    QString text_;
    std::u32string glyphs_;
    bool autoScroll_ = false;
    int cells_ = kDefaultCells;
    int offset_ = 0;
    QTimer timer_;
    QColor lit_{90, 255, 90};
    QColor unlit_{0, 20, 5};
    QColor background_{0, 0, 0};
};

}  // namespace orvane::widgets
