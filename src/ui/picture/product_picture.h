// A product picture on the parameter page (`Immagine_Orvane` and its three hidden siblings).
// It draws its model to fill its own size, keeping the drawing's proportions, so the layout
// may stretch it freely. Owned by its parent widget; GUI thread.
#pragma once

#include <QWidget>

#include "ui/picture/product_drawing.h"

namespace orvane::ui {

class ProductPicture : public QWidget {
    Q_OBJECT

  public:
    explicit ProductPicture(ProductModel model, QWidget* parent = nullptr);

    ProductModel model() const { return model_; }
    QSize sizeHint() const override;  // the layout's 340 x 240

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ProductModel model_;
};

}  // namespace orvane::ui
