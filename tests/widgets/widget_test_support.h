// Helpers for the widget tests: counting paint events and sampling rendered pixels.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QTest>
#include <QWidget>

namespace orvane::widgets::testing {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) : widget_(widget) { widget->installEventFilter(this); }
    // Shows the widget, waits until it is on screen and starts counting from zero.
    bool showAndReset() {
        widget_->show();
        if (!QTest::qWaitForWindowExposed(widget_))
            return false;
        settle();
        count = 0;
        return true;
    }
    // Delivers the pending update requests, so every repaint asked for so far happens.
    static void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }

  private:
    QWidget* widget_;
};

inline QImage render(QWidget& widget) {
    widget.ensurePolished();
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

inline QColor centrePixel(QWidget& widget) {
    const QImage image = render(widget);
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

}  // namespace orvane::widgets::testing
