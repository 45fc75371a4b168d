#include "gallery_window.h"

#include <QApplication>
#include <QDateTime>
#include <QEnterEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "widgets/check_lamp.h"
#include "widgets/digit_group.h"
#include "widgets/lamp.h"
#include "widgets/large_button.h"
#include "widgets/led_matrix_line.h"
#include "widgets/numeric_field.h"
#include "widgets/spin_field.h"
#include "widgets/styled_label.h"
#include "widgets/trend_chart.h"

namespace orvane::gallery {
namespace {

using namespace orvane::widgets;

QLabel* caption(const QString& text) {
    return new QLabel(text);
}

NumericField* field(double value, const QString& format, int limit = -1) {
    auto* f = new NumericField;
    f->setFormat(format);
    if (limit >= 0) {
        f->setLowerLimit(0);
        f->setUpperLimit(limit);
    }
    f->setValue(value);
    return f;
}

}  // namespace

GalleryWindow::GalleryWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Orvane widget gallery"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(12);
    layout->addWidget(buildLeftColumn());
    layout->addWidget(buildChartColumn(), 1);
}

QWidget* GalleryWindow::buildLeftColumn() {
    auto* column = new QWidget;
    auto* v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);

    auto* lamps = new QGroupBox(QStringLiteral("Lamps"));
    auto* lg = new QGridLayout(lamps);
    const QStringList names = {QStringLiteral("Off"), QStringLiteral("On"),
                               QStringLiteral("Off, disabled"), QStringLiteral("Amber pair")};
    for (int i = 0; i < names.size(); ++i) {
        auto* lamp = new Lamp;
        lamp->setActive(i == 1 || i == 3);
        if (i == 2)
            lamp->setEnabled(false);
        if (i == 3)
            lamp->setHighColours(QColor(255, 200, 0), QColor(160, 90, 0));
        lg->addWidget(lamp, i / 2, (i % 2) * 2);
        lg->addWidget(caption(names[i]), i / 2, (i % 2) * 2 + 1);
    }
    auto* checkOff = new CheckLamp(QStringLiteral("Aggiorna da orologio sistema"));
    auto* checkOn = new CheckLamp(QStringLiteral("Checked"));
    checkOn->setChecked(true);
    lg->addWidget(checkOff, 2, 0, 1, 4);
    lg->addWidget(checkOn, 3, 0, 1, 4);
    v->addWidget(lamps);

    auto* numbers = new QGroupBox(QStringLiteral("Numeric and spin fields"));
    auto* ng = new QGridLayout(numbers);
    int row = 0;
    auto addRow = [&](const QString& label, QWidget* w, const QString& unit) {
        ng->addWidget(caption(label), row, 0);
        ng->addWidget(w, row, 1);
        ng->addWidget(caption(unit), row, 2);
        ++row;
    };
    addRow(QStringLiteral("#0.#"), field(230.44, QStringLiteral("#0.#")), QStringLiteral(" Volt"));
    addRow(QStringLiteral("#0.0#"), field(50.02, QStringLiteral("#0.0#")), QStringLiteral("[Hz]"));
    addRow(QStringLiteral("##0.0"), field(-1234.5, QStringLiteral("##0.0")),
           QStringLiteral("Watt"));
    addRow(QStringLiteral("0..255"), field(300, QStringLiteral("#0.#"), 255),
           QStringLiteral("clamped"));
    NumericField* typed = field(130, QStringLiteral("#0.#"));
    typed->selectAll();
    typed->insert(QStringLiteral("1e30"));  // as the operator types it
    addRow(QStringLiteral("typed"), typed, QStringLiteral("no number"));
    auto* spins = new QWidget;
    auto* sh = new QHBoxLayout(spins);
    sh->setContentsMargins(0, 0, 0, 0);
    const int spinValues[] = {23, 7, 59};
    const int spinLimits[] = {23, 59, 59};
    for (int i = 0; i < 3; ++i) {
        auto* s = new SpinField;
        s->setUpperLimit(spinLimits[i]);
        s->setValue(spinValues[i]);
        sh->addWidget(s);
    }
    addRow(QStringLiteral("#0#"), spins, QStringLiteral("h m s"));
    v->addWidget(numbers);

    auto* clock = new QGroupBox(QStringLiteral("Digit groups and styled labels"));
    auto* cg = new QGridLayout(clock);
    auto digitRow = [&](int r, const QString& title, std::array<double, 3> values, int lastDigits,
                        const QString& sep) {
        cg->addWidget(new StyledLabel(title, StyledLabel::Effect::Shadow), r, 0);
        auto* h = new QHBoxLayout;
        for (int i = 0; i < 3; ++i) {
            auto* d = new DigitGroup(i == 2 ? lastDigits : 2);
            d->setValue(values[static_cast<std::size_t>(i)]);
            h->addWidget(d);
            if (i < 2)
                h->addWidget(new StyledLabel(sep, StyledLabel::Effect::Highlight));
        }
        h->addStretch();
        cg->addLayout(h, r, 1);
    };
    digitRow(0, QStringLiteral("Data"), {12, 6, 2025}, 4, QStringLiteral("/"));
    digitRow(1, QStringLiteral("Ora"), {9, 5, 42}, 2, QStringLiteral(":"));
    auto* overflow = new DigitGroup(2);
    overflow->setValue(255);
    cg->addWidget(new StyledLabel(QStringLiteral("Out of range"), StyledLabel::Effect::Highlight),
                  2, 0);
    cg->addWidget(overflow, 2, 1, Qt::AlignLeft);
    v->addWidget(clock);

    auto* buttons = new QGroupBox(QStringLiteral("Large buttons"));
    auto* bv = new QVBoxLayout(buttons);
    bv->addWidget(new LargeButton(QStringLiteral("Avvia Carica Completa"), QColor(0, 128, 128)));
    auto* block = new LargeButton(QStringLiteral("Blocca Orvane (hover)"), QColor(255, 0, 0));
    hoverButton_ = block;
    bv->addWidget(block);
    bv->addWidget(new LargeButton(QStringLiteral("Avvia Orvane"), QColor(0, 255, 0)));
    v->addWidget(buttons);
    v->addStretch();
    return column;
}

QWidget* GalleryWindow::buildChartColumn() {
    auto* column = new QWidget;
    auto* v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);

    chart_ = new TrendChart(nullptr, [this] { return fakeNow_; });
    chart_->setFixedSize(793, 573);
    fillChart();
    v->addWidget(chart_);

    auto* controls = new QHBoxLayout;
    auto* older = new QPushButton(QStringLiteral("<--"));
    auto* clear = new QPushButton(QStringLiteral("Pulisci"));
    auto* newer = new QPushButton(QStringLiteral("-->"));
    connect(older, &QPushButton::clicked, chart_, &TrendChart::pageOlder);
    connect(clear, &QPushButton::clicked, chart_, &TrendChart::clear);
    connect(newer, &QPushButton::clicked, chart_, &TrendChart::pageNewer);
    controls->addWidget(older);
    controls->addWidget(clear);
    controls->addWidget(newer);
    controls->addStretch();
    v->addLayout(controls);

    auto* still = new LedMatrixLine;
    still->setText(QStringLiteral("Comunicazione OK"));
    scrolling_ = new LedMatrixLine;
    scrolling_->setText(QStringLiteral("Errore di comunicazione"));
    scrolling_->setAutoScroll(true);
    auto* glyphs = new LedMatrixLine;
    glyphs->setText(
        QStringLiteral("0123456789 gjpqy \u00B0C \u00E0\u00E8\u00E9\u00EC\u00F2\u00F9 [W]"));
    for (LedMatrixLine* line : {still, scrolling_, glyphs}) {
        line->setFixedWidth(488);
        v->addWidget(line);
    }
    v->addStretch();
    return column;
}

void GalleryWindow::fillChart() {
    struct Channel {
        QColor colour;
        double from, to;
        const char* unit;
    };
    const Channel channels[] = {
        {QColor(0, 255, 0), -16000, 16000, "[W]"},    {QColor(255, 255, 0), -16000, 16000, "[W]"},
        {QColor(255, 0, 0), -1600, 1600, "[W]"},      {QColor(255, 0, 255), 0, 60, "[V]"},
        {QColor(255, 128, 64), 0, 4500, "[W]"},       {QColor(0, 255, 255), 0, 100, "[\u00B0C]"},
        {QColor(255, 255, 255), 0, 100, "[\u00B0C]"}, {QColor(255, 255, 255), -33, 33, "[I]"},
    };
    for (int ch = 1; ch <= 8; ++ch) {
        const Channel& c = channels[ch - 1];
        chart_->setChannelColour(ch, c.colour);
        chart_->setChannelRange(ch, c.from, c.to);
        chart_->setChannelUnit(ch, QString::fromUtf8(c.unit));
        chart_->setChannelFormat(ch, QStringLiteral("##0.0"));
        chart_->setChannelVisible(ch, ch != 2 && ch != 8);
    }
    chart_->setCaption(QStringLiteral("Valori in tempo reale"));
    chart_->setLeftScaleChannel(1);
    chart_->setRightScaleChannel(3);

    fakeNow_ = QDateTime(QDate(2025, 6, 12), QTime(10, 0, 0)).toMSecsSinceEpoch();
    auto run = [&](int from, int to) {
        chart_->setRecording(true);
        for (int i = from; i < to; ++i) {
            const double t = i / 60.0;
            chart_->setChannelValue(1, float(5200 * std::sin(t / 2.1) + 900 * std::sin(t * 1.7)));
            chart_->setChannelValue(2, float(1800 + 400 * std::sin(t)));
            chart_->setChannelValue(3, float(1100 * std::sin(t / 1.3 + 1)));
            chart_->setChannelValue(4, float(51.5 + 2.5 * std::sin(t / 3.0)));
            chart_->setChannelValue(5, float(std::max(0.0, 3100 + 900 * std::sin(t / 2.6))));
            chart_->setChannelValue(6, float(41 + 6 * std::sin(t / 4.0)));
            chart_->setChannelValue(7, float(33 + 4 * std::cos(t / 5.0)));
            fakeNow_ += 1000;
            chart_->tick();
        }
        chart_->setRecording(false);
    };
    run(0, 420);
    fakeNow_ += 95'000;  // the link was stopped for a while
    run(515, 1040);
}

void GalleryWindow::prepareForScreenshot() {
    for (int i = 0; i < 5; ++i)
        scrolling_->scrollStep();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(hoverButton_, &enter);
    // A cursor over the chart shows the readout box.
    const QPoint inside = chart_->plotRect().center() + QPoint(120, 0);
    QMouseEvent move(QEvent::MouseMove, QPointF(inside), chart_->mapToGlobal(QPointF(inside)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(chart_, &move);
}

}  // namespace orvane::gallery
