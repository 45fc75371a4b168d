// The list of changes as the operator gets it: a table of the rows under the message, Yes
// and No with No taking Enter, OK where nothing is asked, and the message named for a
// screen reader.
#include "ui/window/change_list_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>

#include "ui/window/qt_dialogs.h"

namespace orvane::ui {
namespace {

frontend::ChangeList Sample(std::size_t rows) {
    frontend::ChangeList list{"Questi campi dell'unità cambieranno. Scrivere i nuovi valori?",
                              "Campo",
                              "Valore nell'unità",
                              "Nuovo valore",
                              {}};
    for (std::size_t i = 0; i < rows; ++i)
        list.rows.push_back({"Capacità A/h " + std::to_string(i), "220 Ah", "300 Ah"});
    return list;
}

TEST(ChangeListDialog, showsEveryRowUnderItsHeadersAndAnswersWithTheButtonPressed) {
    QtDialogs dialogs(nullptr);
    for (bool yes : {true, false}) {
        int rows = 0;
        QStringList headers;
        bool noIsDefault = false;
        QString described;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<ChangeListDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("ChangeTable"));
            ASSERT_NE(table, nullptr);
            rows = table->rowCount();
            for (int c = 0; c < table->columnCount(); ++c)
                headers << table->horizontalHeaderItem(c)->text();
            auto* box = dialog->findChild<QDialogButtonBox*>();
            noIsDefault = box->button(QDialogButtonBox::No)->isDefault();
            described = dialog->accessibleDescription();
            box->button(yes ? QDialogButtonBox::Yes : QDialogButtonBox::No)->click();
        });
        EXPECT_EQ(dialogs.askChanges(Sample(40)), yes);
        EXPECT_EQ(rows, 40);
        EXPECT_EQ(headers,
                  (QStringList{QStringLiteral("Campo"), QStringLiteral("Valore nell'unità"),
                               QStringLiteral("Nuovo valore")}));
        EXPECT_TRUE(noIsDefault) << "Enter never writes into the unit";
        EXPECT_EQ(described, QString::fromUtf8(Sample(0).message.c_str()));
    }
}

TEST(ChangeListDialog, aLongListStaysOnTheScreenAndScrolls) {
    ChangeListDialog dialog(Sample(300), ChangeListDialog::Buttons::Ok, nullptr);
    const QRect area = dialog.screen()->availableGeometry();
    EXPECT_LE(dialog.height(), area.height());
    EXPECT_LE(dialog.width(), area.width());
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("ChangeTable"));
    EXPECT_GE(dialog.width(), table->columnWidth(0) + table->columnWidth(1)) << "columns fit";
    auto* box = dialog.findChild<QDialogButtonBox*>();
    EXPECT_NE(box->button(QDialogButtonBox::Ok), nullptr);
    EXPECT_EQ(box->button(QDialogButtonBox::Yes), nullptr);
}

TEST(ChangeListDialog, anEmptyListShowsOnlyItsMessage) {
    frontend::ChangeList none = Sample(0);
    none.message = "La finestra e l'unità hanno gli stessi valori.";
    ChangeListDialog dialog(none, ChangeListDialog::Buttons::Ok, nullptr);
    EXPECT_EQ(dialog.findChild<QTableWidget*>(), nullptr);
}

}  // namespace
}  // namespace orvane::ui
