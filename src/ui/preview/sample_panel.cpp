#include "ui/preview/sample_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/pages/control_widgets.h"
#include "ui/picture/product_picture.h"
#include "ui/skins/skin_switcher.h"

namespace orvane::ui::preview {
namespace {

// Stands in for the window's large command buttons: a button that paints its own colour.
class ColourButton : public QPushButton {
  public:
    ColourButton(const QString& text, const QColor& colour) : QPushButton(text), colour_(colour) {
        MarkFixedColour(this);
        setMinimumHeight(38);
        QFont f = font();
        f.setBold(true);
        setFont(f);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -2);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, colour_.lighter(135));
        g.setColorAt(1, colour_.darker(125));
        p.setPen(QPen(colour_.darker(175), 1));
        p.setBrush(g);
        p.drawRoundedRect(r, 6, 6);
        p.setPen(qGray(colour_.rgb()) > 120 ? Qt::black : Qt::white);
        p.drawText(r, Qt::AlignCenter, text());
    }

  private:
    QColor colour_;
};

QLabel* fixedLabel(const QString& text, const QColor& background) {
    auto* label = new QLabel(text);
    MarkFixedColour(label);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    return label;
}

QLineEdit* field(const QString& value) {
    auto* edit = new QLineEdit(value);
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(64);
    return edit;
}

QGroupBox* batteryGroup() {
    auto* group = new QGroupBox(QStringLiteral("Pacco Batterie"));
    auto* grid = new QGridLayout(group);
    struct Row {
        const char* caption;
        const char* value;
        const char* unit;
        QColor colour;
    };
    const Row rows[] = {{"Tensione", "52.4", " Volt ", QColor(255, 0, 255)},
                        {"Corrente", "-12.6", "Ampere", QColor()},
                        {"Potenza", "-660", " Watt", QColor(255, 0, 0)}};
    int r = 0;
    for (const Row& row : rows) {
        const QString caption = QString::fromLatin1(row.caption);
        grid->addWidget(
            row.colour.isValid() ? fixedLabel(caption, row.colour) : new QLabel(caption), r, 0);
        if (row.colour.isValid())
            grid->addWidget(fixedLabel(QStringLiteral("    "), row.colour), r, 1);
        grid->addWidget(field(QString::fromLatin1(row.value)), r, 2);
        grid->addWidget(new QLabel(QString::fromLatin1(row.unit)), r, 3);
        if (row.colour.isValid())
            grid->addWidget(new QCheckBox(QStringLiteral("Ab.")), r, 4);
        ++r;
    }
    return group;
}

QGroupBox* baseGroup() {
    auto* group = new QGroupBox(QStringLiteral("Configurazione Base"));
    auto* grid = new QGridLayout(group);
    auto* type = new QComboBox;
    type->addItems({QStringLiteral("Piombo Acido"), QStringLiteral("Litio")});
    grid->addWidget(new QLabel(QStringLiteral("Tipo Batteria")), 0, 0);
    grid->addWidget(type, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Capacita' [Ah]")), 1, 0);
    grid->addWidget(field(QStringLiteral("200")), 1, 1);
    auto* disabledCaption = new QLabel(QStringLiteral("Max W Mppt"));
    auto* disabled = field(QStringLiteral("3000"));
    disabledCaption->setEnabled(false);
    disabled->setEnabled(false);
    grid->addWidget(disabledCaption, 2, 0);
    grid->addWidget(disabled, 2, 1);
    auto* name = new QLineEdit;
    name->setPlaceholderText(QStringLiteral("Nome NetBIOS"));
    grid->addWidget(name, 3, 0, 1, 2);
    auto* hour = new QSpinBox;
    hour->setRange(0, 23);
    hour->setValue(14);
    grid->addWidget(hour, 4, 0);
    grid->addWidget(new QDateEdit(QDate(2024, 5, 17)), 4, 1);
    auto* statico = new QRadioButton(QStringLiteral("Statico"));
    statico->setChecked(true);
    grid->addWidget(statico, 5, 0);
    grid->addWidget(new QRadioButton(QStringLiteral("Dinamico")), 5, 1);
    return group;
}

QGroupBox* memoryGroup() {
    auto* group = new QGroupBox(QStringLiteral("Gestione Memoria  Orvane "));
    auto* row = new QHBoxLayout(group);
    row->addWidget(new QPushButton(QStringLiteral("Esporta ")));
    auto* importa = new QPushButton(QStringLiteral("Importa "));
    importa->setDefault(true);
    row->addWidget(importa);
    auto* defaults = new QPushButton(QStringLiteral("Default "));
    defaults->setEnabled(false);
    row->addWidget(defaults);
    return group;
}

QGroupBox* commandGroup() {
    auto* group = new QGroupBox(QStringLiteral("Forzatura Avvio e Blocco  Orvane "));
    auto* row = new QHBoxLayout(group);
    row->addWidget(new ColourButton(QStringLiteral("Avvia Carica Completa"), QColor(0, 128, 128)));
    row->addWidget(new ColourButton(QStringLiteral("Blocca  Orvane "), QColor(255, 0, 0)));
    row->addWidget(new ColourButton(QStringLiteral("Avvia  Orvane "), QColor(0, 255, 0)));
    return group;
}

}  // namespace

QWidget* BuildSamplePanel() {
    auto* tabs = new QTabWidget;
    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(batteryGroup());
    left->addWidget(baseGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    auto* picture = Build(frontend::controls::Immagine_Orvane, ProductModel::Orvane);
    picture->setFixedSize(340, 240);
    right->addWidget(picture, 0, Qt::AlignRight);
    right->addWidget(memoryGroup());
    right->addWidget(commandGroup());
    right->addStretch();
    columns->addLayout(left);
    columns->addLayout(right);
    tabs->addTab(page, QStringLiteral("Parametri"));
    tabs->addTab(new QWidget, QStringLiteral("Andamento"));
    tabs->addTab(new QWidget, QStringLiteral("Configurazione LAN"));
    tabs->addTab(new QWidget, QStringLiteral("Avanzate"));
    tabs->setCurrentIndex(0);

    auto* panel = new QWidget;
    auto* outer = new QVBoxLayout(panel);
    outer->addWidget(tabs);
    return panel;
}

}  // namespace orvane::ui::preview
