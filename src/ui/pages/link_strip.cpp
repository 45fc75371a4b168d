#include "ui/pages/link_strip.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/pages/control_widgets.h"
#include "ui/pages/page_building.h"
#include "ui/pages/port_list.h"
#include "widgets/lamp.h"
#include "widgets/led_matrix_line.h"

namespace orvane::ui {

namespace controls = frontend::controls;

namespace {

using namespace pages;

QGroupBox* LinkGroup() {
    QGroupBox* box = Group(controls::Grp_Sel_Com);
    auto* row = new QHBoxLayout(box);
    Compact(row);
    row->setSpacing(6);
    QLabel* portCaption = FixedText(QStringLiteral("Porta "), controls::Label1);
    PortList* port = Build(controls::Cb_Sel_Porta);
    portCaption->setBuddy(port);
    row->addWidget(portCaption);
    row->addWidget(port);
    row->addWidget(Button(controls::Bt_Open));
    widgets::Lamp* lamp = StatusLamp(controls::Led_Comunicazione);
    NameFrom(lamp, controls::Grp_Sel_Com);
    row->addWidget(lamp);
    return box;
}

// The bus health stands over the matrix, level with the groups' titles: the strip keeps its
// height.
QWidget* StateLine() {
    auto* line = new QWidget;
    auto* grid = new QGridLayout(line);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    grid->addWidget(Caption(controls::Lb_Stato_Bus), 0, 1);
    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    names->addWidget(FixedText(QStringLiteral("V:1.7.3 "), controls::Label68));
    QLabel* device = Caption(controls::Lb_Dispositivo);
    names->addWidget(device);
    grid->addLayout(names, 1, 0);
    widgets::LedMatrixLine* matrix = Build(controls::Vr_String);
    matrix->setCellCount(30);
    matrix->setScrollIntervalMs(100);
    matrix->setFixedWidth(488);
    // " Orvane " beside it: the line tells the state of the link to the unit.
    device->setBuddy(matrix);
    grid->addWidget(matrix, 1, 1, Qt::AlignVCenter);
    return line;
}

QGroupBox* FirmwareGroup() {
    QGroupBox* box = Group(controls::Gruppo_Firmware);
    auto* row = new QHBoxLayout(box);
    Compact(row);
    row->addWidget(FixedText(QStringLiteral("Versione : "), controls::Label7));
    QLabel* version = Caption(controls::Label_Ver_FW);
    version->setMinimumWidth(version->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00")));
    row->addWidget(version);
    row->addStretch();
    return box;
}

}  // namespace

LinkStrip::LinkStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LinkStrip"));
    auto* strip = new QHBoxLayout(this);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(10);
    strip->addWidget(LinkGroup());
    strip->addWidget(StateLine());
    strip->addWidget(FirmwareGroup(), 1);
}

}  // namespace orvane::ui
