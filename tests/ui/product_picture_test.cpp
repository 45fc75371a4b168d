#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>

#include "ui/desktop/app_icon.h"
#include "ui/picture/product_drawing.h"
#include "ui/picture/product_picture.h"

namespace orvane::ui {
namespace {

// The smallest rectangle holding every visible pixel.
QRect drawnArea(const QImage& image) {
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                area |= QRect(x, y, 1, 1);
    return area;
}

TEST(ProductPicture, drawingScalesToTheWidgetWithoutDistortion) {
    const QRect design = drawnArea(RenderProduct(ProductModel::Orvane, QSize(340, 240)));
    ASSERT_TRUE(design.isValid());
    const double aspect = double(design.width()) / design.height();

    struct Case {
        QSize size;
        double scale;  // of the 340 x 240 design
    };
    for (const Case& c : {Case{{170, 120}, 0.5}, Case{{680, 480}, 2.0}, Case{{680, 240}, 1.0},
                          Case{{340, 480}, 1.0}}) {
        SCOPED_TRACE(testing::Message() << c.size.width() << "x" << c.size.height());
        ProductPicture picture(ProductModel::Orvane);
        picture.resize(c.size);
        QImage image(c.size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        picture.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        const QRect drawn = drawnArea(image);
        EXPECT_NEAR(drawn.height(), design.height() * c.scale, 2.5);
        EXPECT_NEAR(double(drawn.width()) / drawn.height(), aspect, 0.03);
        // Centred in whatever room is spare.
        EXPECT_NEAR(drawn.center().x(),
                    c.size.width() / 2.0 + (design.center().x() - 170) * c.scale, 2.5);
    }
}

TEST(ProductPicture, anEmptyWidgetPaintsNothing) {
    QImage image(QSize(10, 10), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    ProductPicture picture(ProductModel::Orvane);
    picture.resize(0, 0);
    picture.render(&image);
    EXPECT_FALSE(drawnArea(image).isValid());
    EXPECT_TRUE(RenderProduct(ProductModel::Orvane, QSize(0, 0)).isNull());
}

TEST(ProductPicture, eachModelCarriesItsOwnNameAndLook) {
    const QImage orvane = RenderProduct(ProductModel::Orvane, QSize(340, 240));
    for (ProductModel other : {ProductModel::Kelvora, ProductModel::Mirdal, ProductModel::Tessop}) {
        EXPECT_NE(ProductName(other), ProductName(ProductModel::Orvane));
        EXPECT_NE(RenderProduct(other, QSize(340, 240)), orvane);
    }
    EXPECT_EQ(ProductName(ProductModel::Orvane), QStringLiteral("Orvane"));
}

TEST(AppIcon, offersTheDesktopSizesAsARoundedTile) {
    const QList<QSize> sizes = AppIcon().availableSizes();
    for (int pixels : {16, 32, 48, 256})
        EXPECT_TRUE(sizes.contains(QSize(pixels, pixels))) << pixels;
    const QImage icon = RenderAppIcon(64);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);      // rounded corner
    EXPECT_EQ(qAlpha(icon.pixel(32, 32)), 255);  // solid middle
}

}  // namespace
}  // namespace orvane::ui
