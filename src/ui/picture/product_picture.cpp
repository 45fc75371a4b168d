#include "ui/picture/product_picture.h"

#include <QPainter>

namespace orvane::ui {

ProductPicture::ProductPicture(ProductModel model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setAccessibleName(ProductName(model));
}

QSize ProductPicture::sizeHint() const {
    return kProductDrawingSize.toSize();
}

void ProductPicture::paintEvent(QPaintEvent*) {
    // Painting straight onto the widget keeps every edge sharp at the screen's pixel ratio.
    QPainter painter(this);
    DrawProduct(painter, QRectF(rect()), model_);
}

}  // namespace orvane::ui
