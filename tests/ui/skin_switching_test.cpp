#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

#include "skin_fixture.h"
#include "storage/skin_names.h"
#include "ui/skins/skin_colours.h"
#include "ui/skins/skin_palette.h"

namespace orvane::ui::testing {
namespace {

QColor appColour(QPalette::ColorRole role) {
    return QApplication::palette().color(role);
}

TEST_F(SkinTest, everyNameInTheSkinListApplies) {
    for (std::string_view name : storage::SkinNames) {
        EXPECT_TRUE(skins.apply(qs(name))) << name;
        EXPECT_EQ(skins.current(), qs(name));
    }
}

TEST_F(SkinTest, anUnknownNameFailsAndLeavesTheLookAsItWas) {
    ASSERT_TRUE(skins.apply(u"Carbon"));
    const QPalette before = QApplication::palette();
    const QString sheet = qApp->styleSheet();
    for (const QString& name : {QStringLiteral("Carbonn"), QStringLiteral("carbon"),
                                QStringLiteral(" Carbon"), QString(), QStringLiteral("windows")}) {
        EXPECT_FALSE(skins.apply(name)) << name.toStdString();
        EXPECT_EQ(skins.current(), QStringLiteral("Carbon"));
        EXPECT_EQ(QApplication::palette(), before);
        EXPECT_EQ(qApp->styleSheet(), sheet);
    }
}

// The program starts under "Amakrits" and builds its window before the stored skin comes.
TEST(PlatformSkin, widgetsBuiltUnderASkinTakeEveryLaterLookIncludingThePlatformOne) {
    const QColor platformWindow = appColour(QPalette::Window);
    const QColor platformText = appColour(QPalette::WindowText);
    SkinSwitcher skins;
    ASSERT_TRUE(skins.apply(u"Amakrits"));
    QWidget window;
    auto* label = new QLabel(QStringLiteral("Porta "), &window);
    window.show();
    for (std::u16string_view name : {u"Windows", u"Sky", u"Carbon", u"Windows"}) {
        ASSERT_TRUE(skins.apply(QStringView(name)));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), appColour(QPalette::WindowText))
            << skins.current().toStdString();
        EXPECT_EQ(window.palette().color(QPalette::Window), appColour(QPalette::Window));
    }
    EXPECT_EQ(window.palette().color(QPalette::Window), platformWindow);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), platformText);
}

TEST_F(SkinTest, unknownNameMessageCarriesTheName) {
    EXPECT_EQ(StyleNotFoundMessage(QStringLiteral("Amakrits")),
              QStringLiteral("Style 'Amakrits' not found"));
}

TEST(PlatformSkin, windowsBringsBackTheLookTheProgramStartedWith) {
    const QString style = QApplication::style()->name();
    const QColor window = appColour(QPalette::Window);
    const QColor text = appColour(QPalette::WindowText);
    SkinSwitcher skins;
    EXPECT_EQ(skins.current(), QStringLiteral("Windows"));
    ASSERT_TRUE(skins.apply(u"Amakrits"));
    ASSERT_TRUE(skins.apply(u"Cyan Night"));
    ASSERT_TRUE(skins.apply(u"Windows"));
    EXPECT_EQ(QApplication::style()->name(), style);
    EXPECT_EQ(appColour(QPalette::Window), window);
    EXPECT_EQ(appColour(QPalette::WindowText), text);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
}

// Widgets built before a change must follow it, however many skins came before.
TEST_F(SkinTest, existingWidgetsFollowEachChange) {
    QWidget panel;
    auto* layout = new QVBoxLayout(&panel);
    auto* caption = new QLabel(QStringLiteral("Tensione"));
    auto* field = new QLineEdit(QStringLiteral("52.4"));
    layout->addWidget(caption);
    layout->addWidget(field);
    panel.show();
    for (const char* name : {"Amakrits", "Sky", "Obsidian", "Windows10", "Amakrits"}) {
        ASSERT_TRUE(skins.apply(QString::fromLatin1(name)));
        const QPalette expected = SkinPalette(*FindSkinColours(name));
        EXPECT_EQ(caption->palette().color(QPalette::WindowText),
                  expected.color(QPalette::WindowText))
            << name;
        EXPECT_EQ(field->palette().color(QPalette::Base), expected.color(QPalette::Base)) << name;
        EXPECT_EQ(panel.palette().color(QPalette::Window), expected.color(QPalette::Window))
            << name;
        // And what is painted, not only what is stored.
        const QImage shown = panel.grab().toImage();
        EXPECT_EQ(shown.pixelColor(1, 1), expected.color(QPalette::Window)) << name;
        const QImage typed = field->grab().toImage();
        EXPECT_EQ(typed.pixelColor(typed.width() - 6, typed.height() / 2),
                  expected.color(QPalette::Base))
            << name;
    }
}

// What each name promises, checked on the colours the operator sees most.
struct Promise {
    const char* name;
    enum Tone { Light, Dark, Black } tone;  // of the window background
    QPalette::ColorRole hueRole;            // the colour that carries the name
    int hueFrom, hueTo;                     // degrees; -1 = a neutral grey
};

constexpr Promise kPromises[] = {
    {"Amakrits", Promise::Dark, QPalette::Highlight, 25, 40},
    {"Aqua Graphite", Promise::Light, QPalette::Window, -1, -1},
    {"Carbon", Promise::Dark, QPalette::Window, -1, -1},
    {"Cyan Dusk", Promise::Dark, QPalette::Highlight, 180, 195},
    {"Cyan Night", Promise::Black, QPalette::Highlight, 180, 195},
    {"Iceberg Classico", Promise::Light, QPalette::Window, 185, 210},
    {"Lavender Classico", Promise::Light, QPalette::Window, 255, 290},
    {"Metropolis UI Black", Promise::Black, QPalette::Window, -1, -1},
    {"Obsidian", Promise::Black, QPalette::Window, -1, -1},
    {"Onyx Blue", Promise::Dark, QPalette::Highlight, 205, 225},
    {"Sky", Promise::Light, QPalette::Window, 195, 215},
    {"Turquoise Gray", Promise::Light, QPalette::Highlight, 165, 185},
    {"Windows10", Promise::Light, QPalette::Highlight, 200, 215},
    {"Windows10 Blue", Promise::Dark, QPalette::Window, 205, 220},
    {"Windows10 Dark", Promise::Dark, QPalette::Window, -1, -1},
};

TEST_F(SkinTest, eachSkinLooksLikeItsName) {
    for (const Promise& promise : kPromises) {
        SCOPED_TRACE(promise.name);
        ASSERT_TRUE(skins.apply(QString::fromLatin1(promise.name)));
        const double toWhite = ContrastRatio(appColour(QPalette::Window), Qt::white);
        switch (promise.tone) {
            case Promise::Light:
                EXPECT_LT(toWhite, 1.4);
                break;
            case Promise::Dark:
                EXPECT_GT(toWhite, 6.0);
                break;
            case Promise::Black:
                EXPECT_GT(toWhite, 16.0);
                break;
        }
        const QColor signature = appColour(promise.hueRole);
        if (promise.hueFrom < 0) {
            EXPECT_LT(signature.hsvSaturationF(), 0.2) << signature.name().toStdString();
        } else {
            EXPECT_GE(signature.hsvHue(), promise.hueFrom) << signature.name().toStdString();
            EXPECT_LE(signature.hsvHue(), promise.hueTo) << signature.name().toStdString();
        }
    }
}

}  // namespace
}  // namespace orvane::ui::testing
