#include "widgets/lamp.h"

#include <gtest/gtest.h>

#include "widget_test_support.h"
#include "widgets/check_lamp.h"

namespace orvane::widgets {
namespace {

using testing::centrePixel;
using testing::PaintCounter;

TEST(Lamp, repaintsOnlyWhenItsStateChanges) {
    Lamp lamp;
    PaintCounter paints(&lamp);
    ASSERT_TRUE(paints.showAndReset());

    lamp.setActive(true);
    PaintCounter::settle();
    EXPECT_GE(paints.count, 1);

    paints.count = 0;
    for (int tick = 0; tick < 10; ++tick)
        lamp.setActive(true);  // the live view's rewrites
    lamp.setActive(false);
    lamp.setActive(true);  // back to the painted state before the repaint ran: still one paint
    PaintCounter::settle();
    EXPECT_LE(paints.count, 1);

    paints.count = 0;
    lamp.setActive(true);
    PaintCounter::settle();
    EXPECT_EQ(paints.count, 0);
}

TEST(Lamp, drawsTheLowPairWhileInactiveAndTheHighPairWhileActive) {
    Lamp lamp;
    lamp.resize(lamp.sizeHint());
    const QColor off = centrePixel(lamp);
    EXPECT_GT(off.red(), 2 * off.green());  // red to black

    lamp.setActive(true);
    const QColor on = centrePixel(lamp);
    EXPECT_GT(on.green(), 2 * on.red());  // lime to green

    lamp.setHighColours(QColor(0, 0, 255), QColor(0, 0, 128));
    const QColor custom = centrePixel(lamp);
    EXPECT_GT(custom.blue(), 2 * custom.green());
}

TEST(CheckLamp, toggledByClickAndSpaceAndDrawnMaroonOffGreenOn) {
    CheckLamp check(QStringLiteral("Aggiorna da orologio sistema"));
    check.resize(check.sizeHint());
    check.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&check));
    const auto lampPixel = [&] {
        const QImage image = testing::render(check);
        return image.pixelColor(image.height() / 2, image.height() / 2);  // lamp sits left
    };
    EXPECT_FALSE(check.isChecked());
    const QColor off = lampPixel();
    EXPECT_GT(off.red(), 3 * off.green());

    QTest::mouseClick(&check, Qt::LeftButton, {}, check.rect().center());
    EXPECT_TRUE(check.isChecked());
    const QColor on = lampPixel();
    EXPECT_GT(on.green(), 3 * on.red());

    check.setFocus();
    QTest::keyClick(&check, Qt::Key_Space);
    EXPECT_FALSE(check.isChecked());
}

}  // namespace
}  // namespace orvane::widgets
