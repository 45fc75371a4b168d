#include "ui/pages/journal_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/pages/control_widgets.h"
#include "ui/pages/page_building.h"

namespace orvane::ui {

namespace controls = frontend::controls;

namespace {

// One line per event, all of one height, so a hundred thousand rows cost the view nothing
// beyond the few it shows.
QTableView* EventTable() {
    QTableView* table = Build(controls::Tv_Registro);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    table->setShowGrid(false);
    table->setCornerButtonEnabled(false);
    QHeaderView* rows = table->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(table->fontMetrics().height() + 4);
    QHeaderView* columns = table->horizontalHeader();
    columns->setStretchLastSection(true);
    // Time and headline columns of one fixed width that holds both (measuring a hundred
    // thousand rows would not do); the details take the rest.
    columns->setDefaultSectionSize(table->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 22);
    columns->setHighlightSections(false);
    pages::NameFrom(table, controls::Gr_Registro);
    return table;
}

}  // namespace

JournalPage::JournalPage(QWidget* parent) : QWidget(parent) {
    using namespace pages;
    NameSelf(*this, controls::Tab_Registro);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(3, 3, 6, 3);
    page->setSpacing(4);

    QGroupBox* group = Group(controls::Gr_Registro);
    auto* inside = new QVBoxLayout(group);
    Compact(inside);
    inside->addWidget(EventTable());
    page->addWidget(group, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addStretch();
    buttons->addWidget(Button(controls::Bt_Esporta_Registro));
    buttons->addWidget(Button(controls::Bt_Pulisci_Registro));
    page->addLayout(buttons);
}

}  // namespace orvane::ui
