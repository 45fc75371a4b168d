#include "ui/pages/lan_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <string>

#include "ui/pages/control_widgets.h"
#include "ui/pages/page_building.h"
#include "widgets/numeric_field.h"

namespace orvane::ui {

namespace controls = frontend::controls;

namespace {

using namespace pages;

using Octets = std::array<FieldControl, 4>;

// One address: caption, then its four octet fields with " . " between.
void AddAddressRow(QGridLayout* grid, int row, Control<ControlKind::Label> caption,
                   const Octets& octets) {
    QLabel* label = Caption(caption);
    grid->addWidget(label, row, 0);
    for (int octet = 1; octet <= 4; ++octet) {
        widgets::NumericField* field = OctetField(octets[static_cast<std::size_t>(octet - 1)]);
        if (octet == 1) {
            label->setBuddy(field);
        } else {
            const std::string suffix = std::to_string(octet);
            NameFrom(field, caption, suffix.c_str());
            grid->addWidget(FixedText(QStringLiteral(" . ")), row, 2 * octet - 2);
        }
        grid->addWidget(field, row, 2 * octet - 1);
    }
}

// Two exclusive choices in a group of their own, so each pair excludes only itself.
QGroupBox* ChoiceGroup(Control<ControlKind::Group> group, Control<ControlKind::RadioButton> first,
                       Control<ControlKind::RadioButton> second) {
    QGroupBox* box = Group(group);
    auto* row = new QHBoxLayout(box);
    Compact(row);
    row->addWidget(Build(first));
    row->addWidget(Build(second));
    row->addStretch();
    return box;
}

QGroupBox* EthernetGroup() {
    QGroupBox* box = Group(controls::Gr_Dati_Eth);
    auto* column = new QVBoxLayout(box);
    Compact(column);
    column->setSpacing(6);

    auto* addressesAndTypes = new QHBoxLayout;
    addressesAndTypes->setSpacing(12);
    column->addLayout(addressesAndTypes);
    auto* addresses = new QGridLayout;
    addresses->setSpacing(3);
    addressesAndTypes->addLayout(addresses);
    using namespace frontend::controls;
    AddAddressRow(addresses, 0, Lb_Indirizzo_Eth, Octets{Ed_Ind_1, Ed_Ind_2, Ed_Ind_3, Ed_Ind_4});
    AddAddressRow(addresses, 1, Lb_Subnet, Octets{Ed_Sub_1, Ed_Sub_2, Ed_Sub_3, Ed_Sub_4});
    AddAddressRow(addresses, 2, Lb_Gath, Octets{Ed_Gh_1, Ed_Gh_2, Ed_Gh_3, Ed_Gh_4});
    AddAddressRow(addresses, 3, Lb_DNS, Octets{Ed_Dns_1, Ed_Dns_2, Ed_Dns_3, Ed_Dns_4});
    AddAddressRow(addresses, 4, Lb_Server_Locale,
                  Octets{Ed_Ser_Loc_1, Ed_Ser_Loc_2, Ed_Ser_Loc_3, Ed_Ser_Loc_4});

    auto* types = new QVBoxLayout;
    types->setSpacing(6);
    addressesAndTypes->addLayout(types);
    types->addWidget(
        ChoiceGroup(controls::Gr_Sel_Tipo_Indirizzo, controls::Rd_Dinamico, controls::Rd_Statico));
    types->addWidget(ChoiceGroup(controls::Gr_Sel_Tipo_Server, controls::Ck_Ser_Remoto,
                                 controls::Ck_Ser_Locale));
    types->addStretch();

    QGroupBox* netbios = Group(controls::Gr_Nome_Netbios);
    auto* netbiosRow = new QHBoxLayout(netbios);
    Compact(netbiosRow);
    QLineEdit* name = Build(controls::Ed_Nome_Netbios);
    // Sixteen characters fill the unit's name block.
    FitText(name, QStringLiteral("WWWWWWWWWWWWWWWW"));
    NameFrom(name, controls::Gr_Nome_Netbios);
    netbiosRow->addWidget(name);
    netbiosRow->addStretch();
    column->addWidget(netbios);

    column->addWidget(CheckBox(controls::Ck_Abilitazione_Esportazione_Eth));
    return box;
}

QGroupBox* IdentifierGroup() {
    QGroupBox* box = Group(controls::Gr_Identificativo);
    QGridLayout* grid = RowGridIn(box);
    widgets::NumericField* id =
        ParameterField(controls::Ed_Id_Orvane, QStringLiteral("4294967295"));
    // Shown after an import; the unit's identifier is never written back.
    id->setReadOnly(true);
    AddRow(grid, 0, Caption(controls::Lb_Id_Orvane), id);
    grid->addWidget(Caption(controls::Lb_Precisazione_Id), 1, 0, 1, 3);
    return box;
}

}  // namespace

LanPage::LanPage(QWidget* parent) : QWidget(parent) {
    NameSelf(*this, controls::Tab_Lan);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 8, 6, 6);
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    page->addLayout(row);
    page->addStretch();
    row->addWidget(EthernetGroup(), 0, Qt::AlignTop);
    row->addWidget(IdentifierGroup(), 0, Qt::AlignTop);
    row->addStretch();
}

}  // namespace orvane::ui
