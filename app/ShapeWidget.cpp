#include "app/ShapeWidget.h"

#include <QPainter>

#include "app/Geometry.h"

namespace tessivo::app {

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setFillColor(uint32_t value) {
    fillColor_ = value;
    update();
}

void ShapeWidget::setFilled(bool filled) {
    filled_ = filled;
    update();
}

void ShapeWidget::setBorderColor(uint32_t value) {
    borderColor_ = value;
    update();
}

void ShapeWidget::setBorderStyle(int style) {
    borderStyle_ = style;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    if (filled_) painter.fillRect(box, ColourFromValue(fillColor_));
    if (borderStyle_ != 0) {
        painter.setPen(QPen(ColourFromValue(borderColor_), 1));
        painter.drawRect(box);
    }
}

}  // namespace tessivo::app
