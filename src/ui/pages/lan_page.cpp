#include "ui/pages/lan_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>

#include "ui/pages/page_building.h"
#include "widgets/numeric_field.h"

namespace orvane::ui {

namespace {

using namespace pages;

// One address: caption, then four octet fields `<stem>1` .. `<stem>4` with " . " between.
void AddAddressRow(QGridLayout* grid, int row, const char* caption, const char* stem) {
    QLabel* label = Caption(caption);
    grid->addWidget(label, row, 0);
    for (int octet = 1; octet <= 4; ++octet) {
        const std::string name = stem + std::to_string(octet);
        widgets::NumericField* field = OctetField(name.c_str());
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
QGroupBox* ChoiceGroup(const char* name, const char* first, const char* second) {
    QGroupBox* box = Group(name);
    auto* row = new QHBoxLayout(box);
    Compact(row);
    auto* a = new QRadioButton;
    a->setObjectName(QString::fromLatin1(first));
    auto* b = new QRadioButton;
    b->setObjectName(QString::fromLatin1(second));
    row->addWidget(a);
    row->addWidget(b);
    row->addStretch();
    return box;
}

QGroupBox* EthernetGroup() {
    QGroupBox* box = Group("Gr_Dati_Eth");
    auto* column = new QVBoxLayout(box);
    Compact(column);
    column->setSpacing(6);

    auto* addressesAndTypes = new QHBoxLayout;
    addressesAndTypes->setSpacing(12);
    column->addLayout(addressesAndTypes);
    auto* addresses = new QGridLayout;
    addresses->setSpacing(3);
    addressesAndTypes->addLayout(addresses);
    AddAddressRow(addresses, 0, "Lb_Indirizzo_Eth", "Ed_Ind_");
    AddAddressRow(addresses, 1, "Lb_Subnet", "Ed_Sub_");
    AddAddressRow(addresses, 2, "Lb_Gath", "Ed_Gh_");
    AddAddressRow(addresses, 3, "Lb_DNS", "Ed_Dns_");
    AddAddressRow(addresses, 4, "Lb_Server_Locale", "Ed_Ser_Loc_");

    auto* types = new QVBoxLayout;
    types->setSpacing(6);
    addressesAndTypes->addLayout(types);
    types->addWidget(ChoiceGroup("Gr_Sel_Tipo_Indirizzo", "Rd_Dinamico", "Rd_Statico"));
    types->addWidget(ChoiceGroup("Gr_Sel_Tipo_Server", "Ck_Ser_Remoto", "Ck_Ser_Locale"));
    types->addStretch();

    QGroupBox* netbios = Group("Gr_Nome_Netbios");
    auto* netbiosRow = new QHBoxLayout(netbios);
    Compact(netbiosRow);
    auto* name = new QLineEdit;
    name->setObjectName(QStringLiteral("Ed_Nome_Netbios"));
    // Sixteen characters fill the unit's name block.
    FitText(name, QStringLiteral("WWWWWWWWWWWWWWWW"));
    NameFrom(name, "Gr_Nome_Netbios");
    netbiosRow->addWidget(name);
    netbiosRow->addStretch();
    column->addWidget(netbios);

    column->addWidget(CheckBox("Ck_Abilitazione_Esportazione_Eth"));
    return box;
}

QGroupBox* IdentifierGroup() {
    QGroupBox* box = Group("Gr_Identificativo");
    QGridLayout* grid = RowGridIn(box);
    widgets::NumericField* id = ParameterField("Ed_Id_Orvane", QStringLiteral("4294967295"));
    // Shown after an import; the unit's identifier is never written back.
    id->setReadOnly(true);
    AddRow(grid, 0, Caption("Lb_Id_Orvane"), id);
    grid->addWidget(Caption("Lb_Precisazione_Id"), 1, 0, 1, 3);
    return box;
}

}  // namespace

LanPage::LanPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tab_Lan"));
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
