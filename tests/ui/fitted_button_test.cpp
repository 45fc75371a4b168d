#include "ui/pages/fitted_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>

namespace orvane::ui {
namespace {

// Counts the new layouts a page is asked for.
class LayoutRequests : public QObject {
  public:
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest)
            ++count;
        return false;
    }
};

// A row of the trend page in small: a fitted button beside a plain one.
class FittedButtonInARow : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* row = new QHBoxLayout(&page);
        row->addWidget(button = new FittedButton);
        row->addStretch();
        button->relabel(QStringLiteral("Stop (10 rows)"));
        page.show();
        QApplication::processEvents();
        page.installEventFilter(&requests);
    }
    int newLayoutsAfter(const QString& text) {
        requests.count = 0;
        button->relabel(text);
        QApplication::processEvents();
        return requests.count;
    }

    QWidget page;
    FittedButton* button = nullptr;
    LayoutRequests requests;
};

TEST_F(FittedButtonInARow, aTextOfTheSameSizeAsksForNoNewLayout) {
    EXPECT_EQ(newLayoutsAfter(QStringLiteral("Stop (11 rows)")), 0);
    EXPECT_EQ(button->text(), QStringLiteral("Stop (11 rows)"));
}

TEST_F(FittedButtonInARow, aLongerOrShorterTextResizesTheButtonToFitIt) {
    EXPECT_GT(newLayoutsAfter(QStringLiteral("Stop recording (10000 rows)")), 0);
    EXPECT_EQ(button->size(), button->sizeHint());
    newLayoutsAfter(QStringLiteral("Record..."));
    EXPECT_EQ(button->size(), button->sizeHint());
}

TEST_F(FittedButtonInARow, aLargerFontResizesTheButtonToFitItsText) {
    QFont font = button->font();
    font.setPointSize(font.pointSize() * 2);
    button->setFont(font);
    QApplication::processEvents();
    EXPECT_EQ(button->size(), button->sizeHint());
}

}  // namespace
}  // namespace orvane::ui
