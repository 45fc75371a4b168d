#include "ui/pages/link_strip.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/pages/page_building.h"
#include "ui/pages/port_list.h"
#include "widgets/lamp.h"
#include "widgets/led_matrix_line.h"

namespace orvane::ui {

namespace {

using namespace pages;

QGroupBox* LinkGroup() {
    QGroupBox* box = Group("Grp_Sel_Com");
    auto* row = new QHBoxLayout(box);
    Compact(row);
    row->setSpacing(6);
    QLabel* portCaption = FixedText(QStringLiteral("Porta "), "Label1");
    auto* port = new PortList;
    port->setObjectName(QStringLiteral("Cb_Sel_Porta"));
    portCaption->setBuddy(port);
    row->addWidget(portCaption);
    row->addWidget(port);
    row->addWidget(Button("Bt_Open"));
    widgets::Lamp* lamp = StatusLamp("Led_Comunicazione");
    NameFrom(lamp, "Grp_Sel_Com");
    row->addWidget(lamp);
    return box;
}

QWidget* StateLine() {
    auto* line = new QWidget;
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 8, 0, 0);
    row->setSpacing(6);
    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    names->addWidget(FixedText(QStringLiteral("V:1.7.3 "), "Label68"));
    QLabel* device = Caption("Lb_Dispositivo");
    names->addWidget(device);
    row->addLayout(names);
    auto* matrix = new widgets::LedMatrixLine;
    matrix->setObjectName(QStringLiteral("Vr_String"));
    matrix->setCellCount(30);
    matrix->setScrollIntervalMs(100);
    matrix->setFixedWidth(488);
    // " Orvane " beside it: the line tells the state of the link to the unit.
    device->setBuddy(matrix);
    row->addWidget(matrix, 0, Qt::AlignVCenter);
    return line;
}

QGroupBox* FirmwareGroup() {
    QGroupBox* box = Group("Gruppo_Firmware");
    auto* row = new QHBoxLayout(box);
    Compact(row);
    row->addWidget(FixedText(QStringLiteral("Versione : "), "Label7"));
    QLabel* version = Caption("Label_Ver_FW");
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
