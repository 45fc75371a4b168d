#include "ui/pages/parameters_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/pages/control_widgets.h"
#include "ui/pages/free_parameter_groups.h"
#include "ui/pages/page_building.h"
#include "ui/picture/product_picture.h"
#include "ui/skins/skin_switcher.h"
#include "widgets/lamp.h"
#include "widgets/large_button.h"
#include "widgets/numeric_field.h"

namespace orvane::ui {

namespace controls = frontend::controls;

namespace {

using namespace pages;

QGroupBox* MaxSupplyCurrentGroup() {
    return SwitchedFieldGroup({controls::Gr_Max_Corrente_Erogazione, controls::Ck_Max_Corr_C10,
                               controls::Lb_Max_Corrente_Libero, controls::Ed_MAx_Corr_Erog,
                               controls::Lb_Max_Corr_Erog});
}

QGroupBox* BaseGroup() {
    QGroupBox* box = Group(controls::Gr_Par_Base);
    QGridLayout* grid = RowGridIn(box);
    int r = 0;
    QLabel* typeCaption = Caption(controls::Lb_Tipo_Batteria);
    QComboBox* type = List(controls::Cb_Tipo_Batt);
    typeCaption->setBuddy(type);
    grid->addWidget(typeCaption, r, 0);
    grid->addWidget(type, r++, 1, 1, 2, Qt::AlignLeft);

    AddRow(grid, r, Caption(controls::Lb_Cap_Batt),
           ParameterField(controls::Ed_Capacita, kWidestParameterValue));
    grid->addWidget(Caption(controls::Label189), r++, 2);

    // "Numero Pannelli: [12] per Stringa di Orvane", then the limit.
    AddRow(grid, r, Caption(controls::Lb_Num_Pann_A1),
           ParameterField(controls::Ed_Num_Pannelli, kWidestParameterValue));
    auto* panelTail = new QHBoxLayout;
    panelTail->setSpacing(6);
    panelTail->addWidget(Caption(controls::Lb_Num_Pann_A2));
    panelTail->addWidget(Caption(controls::Lb_Num_Pann));
    panelTail->addStretch();
    grid->addLayout(panelTail, r++, 2);

    AddRow(grid, r, Caption(controls::Lb_Max_Pow_Mppt),
           ParameterField(controls::Ed_Max_W_Mppt, kWidestParameterValue));
    grid->addWidget(Caption(controls::Lb_Max_W_Mppt), r++, 2);

    QLabel* inverterCaption = Caption(controls::Lb_Tipo_Inverter);
    QComboBox* inverter = List(controls::Cb_Tipo_Inverter);
    inverterCaption->setBuddy(inverter);
    grid->addWidget(inverterCaption, r, 0);
    grid->addWidget(inverter, r++, 1, 1, 2, Qt::AlignLeft);

    grid->addWidget(MaxSupplyCurrentGroup(), r, 0, 1, 3);
    return box;
}

widgets::LargeButton* CommandButton(Control<ControlKind::LargeButton> control,
                                    const QColor& colour) {
    auto* button = Build(control, QString(), colour);
    MarkFixedColour(button);  // its colour says what it does, under every skin
    return button;
}

QGroupBox* ForcingGroup() {
    QGroupBox* box = Group(controls::Gruppo_Pul_Sblocco);
    auto* row = new QHBoxLayout(box);
    Compact(row);
    row->setSpacing(10);
    auto* blocked = new QVBoxLayout;
    QLabel* caption = Caption(controls::Lb_Sistema_Blocco);
    widgets::Lamp* lamp = StatusLamp(controls::VrUserLed2);
    caption->setBuddy(lamp);
    blocked->addWidget(caption, 0, Qt::AlignHCenter);
    blocked->addWidget(lamp, 0, Qt::AlignHCenter);
    blocked->addStretch();
    row->addLayout(blocked);
    auto* commands = new QVBoxLayout;
    commands->setSpacing(4);
    commands->addWidget(CommandButton(controls::Bt_Carica_Completa, colour::Teal));
    commands->addWidget(CommandButton(controls::Bt_Blocco, colour::Red));
    commands->addWidget(CommandButton(controls::Bt_Riavvio, colour::Lime));
    row->addLayout(commands, 1);
    return box;
}

QGroupBox* ButtonGroup(Control<ControlKind::Group> name,
                       std::initializer_list<Control<ControlKind::Button>> buttons) {
    QGroupBox* box = Group(name);
    auto* row = new QHBoxLayout(box);
    Compact(row);
    for (Control<ControlKind::Button> button : buttons)
        row->addWidget(Button(button));
    return box;
}

ProductPicture* Picture(Control<ControlKind::Picture> control, ProductModel model) {
    auto* picture = Build(control, model);
    picture->setFixedSize(340, 240);
    return picture;
}

}  // namespace

ParametersPage::ParametersPage(QWidget* parent) : QWidget(parent) {
    NameSelf(*this, controls::Tab_Parametri);
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
    const std::pair<Control<ControlKind::Picture>, ProductModel> pictures[] = {
        {controls::Immagine_Kelvora, ProductModel::Kelvora},
        {controls::Immagine_Orvane, ProductModel::Orvane},
        {controls::Immagine_Mirdal, ProductModel::Mirdal},
        {controls::Immagine_Tessop, ProductModel::Tessop},
    };
    for (const auto& [name, model] : pictures) {
        ProductPicture* picture = Picture(name, model);
        right->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop | Qt::AlignRight);
        picture->setVisible(model == ProductModel::Orvane);
    }

    left->addWidget(ForcingGroup());
    left->addWidget(
        ButtonGroup(controls::Grp_Ges_Memoria, {controls::Bt_Scrivi_Eeprom, controls::Bt_Importa,
                                                controls::Bt_Defaut, controls::Bt_Confronta}));
    left->addWidget(ButtonGroup(
        controls::Gr_Gestione_Disco,
        {controls::Bt_Salva_Disco, controls::Bt_Leggi_Disco, controls::Bt_Confronta_Disco}));
    left->addStretch();
}

}  // namespace orvane::ui
