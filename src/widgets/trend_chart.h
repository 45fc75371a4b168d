// The eight-channel trend chart (`Trend_1`, `Trend_Trifase`). The window feeds channel
// values on every poll tick; while recording is on, the chart's own timer (record interval,
// 1000 ms) takes a record of all eight channels, visible or not, so a channel switched on
// later shows its whole history. Record keeping lives in TrendModel; this widget adds the
// timer, the drawing and the pointer cursor. Channel numbers run 1..8; scale channel 0 is
// the plain 0..100 scale. Value writes never repaint: the chart repaints when a record is
// taken or its settings change. Owned by its parent widget; window thread only.
#pragma once

#include <QTimer>
#include <QWidget>
#include <optional>

#include "widgets/accessibility.h"
#include "widgets/trend_chart_painter.h"
#include "widgets/trend_model.h"

namespace orvane::widgets {

class TrendChart : public QWidget, public AccessibleIndicator {
    Q_OBJECT

  public:
    // An empty clock uses the PC's clock for the records' time stamps.
    explicit TrendChart(QWidget* parent = nullptr, TrendModel::Clock clock = {});

    // Channels.
    void setChannelValue(int channel, float value);
    void setChannelVisible(int channel, bool visible);
    void setChannelRange(int channel, double from, double to);
    void setChannelUnit(int channel, const QString& unit);
    void setChannelColour(int channel, const QColor& colour);
    void setChannelFormat(int channel, const QString& format);
    bool isChannelVisible(int channel) const { return model_.channel(channel).visible; }

    void setCaption(const QString& caption);
    QString caption() const { return look_.caption; }
    void setLeftScaleChannel(int channel);   // `LeftScaleCh`
    void setRightScaleChannel(int channel);  // `AbsScaleCh`
    int leftScaleChannel() const { return model_.leftScaleChannel(); }
    int rightScaleChannel() const { return model_.rightScaleChannel(); }
    void setScalesShown(bool left, bool right);

    // Recording and view.
    void setRecording(bool on);
    bool isRecording() const { return model_.isRecording(); }
    bool isRecordTimerActive() const { return timer_.isActive(); }
    void setRecordIntervalMs(int ms);
    int recordIntervalMs() const { return model_.recordIntervalMs(); }
    void setGridWidth(int records);  // `GridXPixel`
    int gridWidth() const { return model_.gridWidth(); }
    void setFollowCap(int records);
    void setFollowing(bool on);  // `Flow`
    bool isFollowing() const { return model_.isFollowing(); }
    void moveView(int records);  // signed; stops following

    // Decorations.
    void setUpperLimit(bool enabled, double percent, const QColor& colour);
    void setGridShown(bool on);
    void setTimeAxisShown(bool on);
    void setCursorShown(bool on);
    void setSeparatorsShown(bool on);

    const TrendModel& model() const { return model_; }
    QRect plotRect() const;

    QSize sizeHint() const override { return {793, 573}; }
    QSize minimumSizeHint() const override { return {240, 160}; }

    QAccessible::Role accessibleRole() const override { return QAccessible::Chart; }
    QString accessibleValue() const override;

  public slots:
    void tick();       // takes a record now, if recording; the record timer's slot
    void pageOlder();  // "<--": one grid width towards older records
    void pageNewer();  // "-->": one grid width towards newer records
    void clear();      // "Pulisci": removes every record

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    template <typename Change>
    void change(Change&& apply);
    void decorate(bool& flag, bool on);
    void fitView();

    TrendModel model_;
    TrendLook look_;
    QTimer timer_;
    std::optional<int> cursorX_;
};

}  // namespace orvane::widgets
