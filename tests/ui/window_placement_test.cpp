// Where the window opens: a position that fits the screen it opens on is kept; one that
// would put part of the window outside that screen's available area is moved just inside,
// and the position the window really had is what closing stores.
#include <QGuiApplication>
#include <QScreen>
#include <optional>

#include "ui/window/window_placement.h"
#include "window_fixture.h"

namespace orvane::testing {
namespace {

TEST(FittedPosition, movesAFrameJustInsideTheAreaAndKeepsOneThatFits) {
    const QRect screen(0, 0, 1280, 800);
    const QRect right(1920, 0, 1280, 800);  // a second screen right of a wider one
    const QSize window(1118, 720);
    struct Case {
        const char* what;
        QRect area;
        QRect frame;
        QPoint fitted;
    };
    const Case cases[] = {
        {"fits", screen, {{40, 30}, window}, {40, 30}},
        {"fits exactly", screen, {{162, 80}, window}, {162, 80}},
        {"bottom off", screen, {{100, 100}, window}, {100, 80}},
        {"right off", screen, {{500, 10}, window}, {162, 10}},
        {"above and left", screen, {{-300, -20}, window}, {0, 0}},
        {"larger than the area", screen, {{100, 100}, QSize(1400, 900)}, {0, 0}},
        {"second screen", right, {{1800, 50}, window}, {1920, 50}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::FittedPosition(c.frame, c.area), c.fitted) << c.what;
}

QScreen* ScreenNamed(const char* name) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == QLatin1String(name))
            return screen;
    return nullptr;
}

TEST_F(WindowTest, aStoredPositionOffItsScreenIsMovedInsideAndTheRealOneIsStored) {
    QScreen* wide = ScreenNamed("wide");
    QScreen* tight = ScreenNamed("short");
    if (wide == nullptr || tight == nullptr)
        GTEST_SKIP() << "runs on the test screens (offscreen platform)";
    const QRect onTight = tight->availableGeometry();
    struct Case {
        const char* what;
        QPoint stored;
        QScreen* screen;               // the one the window ends up whole on
        std::optional<int> left, top;  // where the frame's corner lands, where it is known
    };
    const Case cases[] = {
        // The window's default 100/100 on a screen 800 pixels high: moved up, not across.
        {"bottom off the short screen",
         {onTight.left() + 100, 100},
         tight,
         onTight.left() + 100,
         std::nullopt},
        {"left of every screen", {-500, 100}, wide, 0, 100},
        // A screen since removed: onto the nearest one.
        {"on no screen at all", {9000, 100}, tight, std::nullopt, std::nullopt},
        {"below every screen", {300, 2000}, wide, 300, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        settings("LEFT=" + std::to_string(c.stored.x()) +
                 "\r\nTOP=" + std::to_string(c.stored.y()) + "\r\n");
        ui::Form1& window = open();
        const QRect area = c.screen->availableGeometry();
        EXPECT_TRUE(area.contains(window.frameGeometry()));
        if (c.left) {
            EXPECT_EQ(window.x(), *c.left);
        }
        if (c.top) {
            EXPECT_EQ(window.y(), *c.top);
        }
        if (c.screen == tight) {  // moved up only as far as needed
            EXPECT_EQ(window.frameGeometry().bottom(), onTight.bottom());
        }

        ASSERT_TRUE(window.close());
        EXPECT_NE(savedSettings().find("LEFT=" + std::to_string(window.x()) +
                                       "\r\nTOP=" + std::to_string(window.y()) + "\r\n"),
                  std::string::npos)
            << savedSettings();
    }
}

}  // namespace
}  // namespace orvane::testing
