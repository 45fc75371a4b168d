#include <gtest/gtest.h>

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

#include "skin_fixture.h"
#include "storage/skin_names.h"

namespace orvane::ui::testing {
namespace {

const QColor kLime(0, 255, 0);
const QColor kFuchsia(255, 0, 255);
const QColor kYellow(255, 255, 0);
const QColor kTeal(0, 128, 128);

// Paints its own face, as the large command buttons do.
class SelfPaintedButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), kTeal); }
};

// The live page in small: swatches and coloured captions inside a group on a tab, the ways
// the window may colour them, and a command button, all marked.
class FixedColours : public SkinTest {
  protected:
    void SetUp() override {
        auto* page = new QWidget;
        auto* group = new QGroupBox(QStringLiteral("Rete"), page);
        auto* grid = new QGridLayout(group);
        grid->addWidget(caption = paletteLabel(QStringLiteral("Potenza"), kLime), 0, 0);
        grid->addWidget(swatch = paletteLabel(QStringLiteral("    "), kLime), 0, 1);
        grid->addWidget(sheetSwatch = new QLabel(QStringLiteral("    ")), 1, 1);
        sheetSwatch->setStyleSheet(QStringLiteral("background-color: #ff00ff; color: black;"));
        MarkFixedColour(sheetSwatch);
        grid->addWidget(button = new SelfPaintedButton(QStringLiteral("Avvia Carica Completa")), 2,
                        0, 1, 2);
        MarkFixedColour(button);
        grid->addWidget(paletteButton = new QPushButton(QStringLiteral("Blocca")), 3, 0, 1, 2);
        QPalette pal = paletteButton->palette();
        pal.setColor(QPalette::Button, kYellow);
        pal.setColor(QPalette::ButtonText, Qt::black);
        paletteButton->setPalette(pal);
        MarkFixedColour(paletteButton);
        auto* pageLayout = new QGridLayout(page);
        pageLayout->addWidget(group);
        tabs.addTab(page, QStringLiteral("Andamento"));
        tabs.resize(320, 240);
        tabs.show();
    }

    static QLabel* paletteLabel(const QString& text, const QColor& colour) {
        auto* label = new QLabel(text);
        label->setAutoFillBackground(true);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, colour);
        pal.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(pal);
        MarkFixedColour(label);
        return label;
    }

    // The colour the operator sees in the middle of `w` (a corner pixel, for labels with text).
    static QColor shown(QWidget* w, bool corner = false) {
        const QImage image = w->grab().toImage();
        return image.pixelColor(corner ? QPoint(1, 1) : image.rect().center());
    }

    QTabWidget tabs;
    QLabel* caption = nullptr;
    QLabel* swatch = nullptr;
    QLabel* sheetSwatch = nullptr;
    QPushButton* button = nullptr;
    QPushButton* paletteButton = nullptr;
};

TEST_F(FixedColours, markedWidgetsKeepTheirColoursUnderEverySkin) {
    // Twice round, so every skin also follows every other one.
    for (int round = 0; round < 2; ++round) {
        for (std::string_view name : storage::SkinNames) {
            SCOPED_TRACE(std::string(name));
            ASSERT_TRUE(skins.apply(qs(name)));
            QApplication::processEvents();
            EXPECT_EQ(shown(swatch), kLime);
            EXPECT_EQ(shown(caption, true), kLime);
            EXPECT_EQ(caption->palette().color(QPalette::WindowText), QColor(Qt::black));
            EXPECT_EQ(shown(sheetSwatch), kFuchsia);
            EXPECT_EQ(shown(button), kTeal);
            EXPECT_EQ(paletteButton->palette().color(QPalette::Button), kYellow);
            EXPECT_EQ(paletteButton->palette().color(QPalette::ButtonText), QColor(Qt::black));
        }
    }
}

TEST(MarkFixedColour, setsTheDocumentedProperty) {
    QLabel label;
    EXPECT_FALSE(HasFixedColour(&label));
    MarkFixedColour(&label);
    EXPECT_TRUE(label.property("orvaneFixedColour").toBool());
    EXPECT_TRUE(HasFixedColour(&label));
}

}  // namespace
}  // namespace orvane::ui::testing
