#include "ui/window/change_list_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/window/qt_dialogs.h"
#include "ui/window/qt_text.h"

namespace orvane::ui {

namespace {

QTableWidget* BuildTable(const frontend::ChangeList& changes, QWidget* parent) {
    auto* table = new QTableWidget(static_cast<int>(changes.rows.size()), 3, parent);
    table->setObjectName(QStringLiteral("ChangeTable"));
    table->setHorizontalHeaderLabels({ToQString(changes.captionHeader),
                                      ToQString(changes.beforeHeader),
                                      ToQString(changes.afterHeader)});
    int row = 0;
    for (const frontend::ChangeRow& r : changes.rows) {
        int column = 0;
        for (const std::string* text : {&r.caption, &r.before, &r.after}) {
            auto* item = new QTableWidgetItem(ToQString(*text));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column++, item);
        }
        ++row;
    }
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->verticalHeader()->setVisible(false);
    // One line of text a row, so a long list shows many rows at once.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeColumnsToContents();
    table->setAccessibleName(ToQString(changes.message));
    return table;
}

// As large as the content asks, within 90 % of the screen's width and 75 % of its height.
QSize FittingSize(const QTableWidget* table, const QWidget* dialog) {
    int width = table->frameWidth() * 2 + 24;
    for (int c = 0; c < table->columnCount(); ++c)
        width += table->columnWidth(c);
    int height = table->horizontalHeader()->sizeHint().height() + table->frameWidth() * 2;
    for (int r = 0; r < table->rowCount(); ++r)
        height += table->rowHeight(r);
    const QSize chrome = dialog->sizeHint() - table->sizeHint();
    QSize wanted(qMax(width, 420) + chrome.width(), qMax(height, 60) + chrome.height());
    if (const QScreen* screen = dialog->screen()) {
        const QRect area = screen->availableGeometry();
        wanted = wanted.boundedTo(QSize(area.width() * 9 / 10, area.height() * 3 / 4));
    }
    return wanted;
}

}  // namespace

ChangeListDialog::ChangeListDialog(const frontend::ChangeList& changes, Buttons buttons,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ChangeListDialog"));
    setWindowTitle(BoxTitle());
    setAccessibleDescription(ToQString(changes.message));

    auto* layout = new QVBoxLayout(this);
    auto* message = new QLabel(ToQString(changes.message), this);
    message->setObjectName(QStringLiteral("ChangeMessage"));
    message->setWordWrap(true);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(message);

    QTableWidget* table = nullptr;
    if (!changes.rows.empty()) {
        table = BuildTable(changes, this);
        message->setBuddy(table);
        layout->addWidget(table, 1);
    }

    auto* box = new QDialogButtonBox(this);
    if (buttons == Buttons::YesNo) {
        box->addButton(QDialogButtonBox::Yes);
        // Writing into the unit takes a deliberate Yes: Enter answers No.
        QPushButton* no = box->addButton(QDialogButtonBox::No);
        no->setDefault(true);
        connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    } else {
        box->addButton(QDialogButtonBox::Ok);
        connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    }
    layout->addWidget(box);

    if (table) {
        resize(FittingSize(table, this));
        table->setFocus();
    }
}

}  // namespace orvane::ui
