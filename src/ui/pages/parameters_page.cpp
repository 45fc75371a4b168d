#include "ui/pages/parameters_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/pages/free_parameter_groups.h"
#include "ui/pages/page_building.h"
#include "ui/picture/product_picture.h"
#include "ui/skins/skin_switcher.h"
#include "widgets/lamp.h"
#include "widgets/large_button.h"
#include "widgets/numeric_field.h"

namespace orvane::ui {

namespace {

using namespace pages;

QGroupBox* MaxSupplyCurrentGroup() {
    return SwitchedFieldGroup({"Gr_Max_Corrente_Erogazione", "Ck_Max_Corr_C10",
                               "Lb_Max_Corrente_Libero", "Ed_MAx_Corr_Erog", "Lb_Max_Corr_Erog"});
}

QGroupBox* BaseGroup() {
    QGroupBox* box = Group("Gr_Par_Base");
    QGridLayout* grid = RowGridIn(box);
    int r = 0;
    QLabel* typeCaption = Caption("Lb_Tipo_Batteria");
    QComboBox* type = List("Cb_Tipo_Batt");
    typeCaption->setBuddy(type);
    grid->addWidget(typeCaption, r, 0);
    grid->addWidget(type, r++, 1, 1, 2, Qt::AlignLeft);

    AddRow(grid, r, Caption("Lb_Cap_Batt"), ParameterField("Ed_Capacita", kWidestParameterValue));
    grid->addWidget(Caption("Label189"), r++, 2);

    // "Numero Pannelli: [12] per Stringa di Orvane", then the limit.
    AddRow(grid, r, Caption("Lb_Num_Pann_A1"),
           ParameterField("Ed_Num_Pannelli", kWidestParameterValue));
    auto* panelTail = new QHBoxLayout;
    panelTail->setSpacing(6);
    panelTail->addWidget(Caption("Lb_Num_Pann_A2"));
    panelTail->addWidget(Caption("Lb_Num_Pann"));
    panelTail->addStretch();
    grid->addLayout(panelTail, r++, 2);

    AddRow(grid, r, Caption("Lb_Max_Pow_Mppt"),
           ParameterField("Ed_Max_W_Mppt", kWidestParameterValue));
    grid->addWidget(Caption("Lb_Max_W_Mppt"), r++, 2);

    QLabel* inverterCaption = Caption("Lb_Tipo_Inverter");
    QComboBox* inverter = List("Cb_Tipo_Inverter");
    inverterCaption->setBuddy(inverter);
    grid->addWidget(inverterCaption, r, 0);
    grid->addWidget(inverter, r++, 1, 1, 2, Qt::AlignLeft);

    grid->addWidget(MaxSupplyCurrentGroup(), r, 0, 1, 3);
    return box;
}

widgets::LargeButton* CommandButton(const char* name, const QColor& colour) {
    auto* button = new widgets::LargeButton({}, colour);
    button->setObjectName(QString::fromLatin1(name));
    MarkFixedColour(button);  // its colour says what it does, under every skin
    return button;
}

QGroupBox* ForcingGroup() {
    QGroupBox* box = Group("Gruppo_Pul_Sblocco");
    auto* row = new QHBoxLayout(box);
    Compact(row);
    row->setSpacing(10);
    auto* blocked = new QVBoxLayout;
    QLabel* caption = Caption("Lb_Sistema_Blocco");
    widgets::Lamp* lamp = StatusLamp("VrUserLed2");
    caption->setBuddy(lamp);
    blocked->addWidget(caption, 0, Qt::AlignHCenter);
    blocked->addWidget(lamp, 0, Qt::AlignHCenter);
    blocked->addStretch();
    row->addLayout(blocked);
    auto* commands = new QVBoxLayout;
    commands->setSpacing(4);
    commands->addWidget(CommandButton("Bt_Carica_Completa", colour::Teal));
    commands->addWidget(CommandButton("Bt_Blocco", colour::Red));
    commands->addWidget(CommandButton("Bt_Riavvio", colour::Lime));
    row->addLayout(commands, 1);
    return box;
}

QGroupBox* ButtonGroup(const char* name, std::initializer_list<const char*> buttons) {
    QGroupBox* box = Group(name);
    auto* row = new QHBoxLayout(box);
    Compact(row);
    for (const char* button : buttons)
        row->addWidget(Button(button));
    return box;
}

ProductPicture* Picture(const char* name, ProductModel model) {
    auto* picture = new ProductPicture(model);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setFixedSize(340, 240);
    return picture;
}

}  // namespace

ParametersPage::ParametersPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tab_Parametri"));
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(6, 8, 6, 4);
    page->setSpacing(8);

    // Left: the base settings and the buttons.
    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    page->addLayout(left);
    left->addWidget(BaseGroup());

    // Right: the free configuration's groups, or (for every preset battery type) the product
    // picture in the top right corner; the window shows one or the other, never both.
    auto* right = new QGridLayout;
    right->setSpacing(6);
    page->addLayout(right, 1);
    QGroupBox* free = BuildFreeConfigurationGroup();
    QGroupBox* advanced = BuildAdvancedParametersGroup();
    right->addWidget(free, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    right->addWidget(advanced, 1, 0, Qt::AlignTop | Qt::AlignLeft);
    right->setRowStretch(2, 1);
    free->hide();
    advanced->hide();
    const std::pair<const char*, ProductModel> pictures[] = {
        {"Immagine_Kelvora", ProductModel::Kelvora},
        {"Immagine_Orvane", ProductModel::Orvane},
        {"Immagine_Mirdal", ProductModel::Mirdal},
        {"Immagine_Tessop", ProductModel::Tessop},
    };
    for (const auto& [name, model] : pictures) {
        ProductPicture* picture = Picture(name, model);
        right->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop | Qt::AlignRight);
        picture->setVisible(model == ProductModel::Orvane);
    }

    left->addWidget(ForcingGroup());
    left->addWidget(
        ButtonGroup("Grp_Ges_Memoria", {"Bt_Scrivi_Eeprom", "Bt_Importa", "Bt_Defaut"}));
    left->addWidget(ButtonGroup("Gr_Gestione_Disco", {"Bt_Salva_Disco", "Bt_Leggi_Disco"}));
    left->addStretch();
}

}  // namespace orvane::ui
