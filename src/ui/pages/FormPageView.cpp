#include "FormPageView.h"

#include "FormDrawing.h"
#include "PainterCanvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace qv::ui {

namespace {

int Pixels(double points, double scale) {
    return int(std::lround(points * scale));
}

} // namespace

FormPageView::FormPageView(int templatePage, QWidget* parent) : QWidget(parent), templatePage_(templatePage) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(sizeHint());
}

QSize FormPageView::sizeHint() const {
    return {Pixels(form::kPageWidth, scale()), Pixels(form::kPageHeight, scale())};
}

void FormPageView::setZoom(double zoom) {
    if (zoom <= 0 || zoom == zoom_)
        return;
    zoom_ = zoom;
    setFixedSize(sizeHint());
    for (Placed& placed : placed_)
        Arrange(placed);
    update();
}

void FormPageView::place(QWidget* control, const form::Rect& pointsRect) {
    if (!control)
        return;
    control->setParent(this);
    // The control comes as designed for zoom 1, like the rectangle.
    const double base = control->font().pointSizeF();
    Placed placed{control, pointsRect, base};
    Arrange(placed);
    control->show();
    placed_.push_back(placed);
}

void FormPageView::Arrange(Placed& placed) const {
    if (!placed.Control)
        return;
    placed.Control->setGeometry(pixelRect(placed.Points));
    if (placed.BasePointSize > 0) {
        QFont font = placed.Control->font();
        font.setPointSizeF(placed.BasePointSize * zoom_);
        placed.Control->setFont(font);
    }
}

QRect FormPageView::pixelRect(const form::Rect& r) const {
    const double s = scale();
    const int left = Pixels(r.Left, s), top = Pixels(r.Top, s);
    return {left, top, Pixels(r.Right, s) - left, Pixels(r.Bottom, s) - top};
}

void FormPageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setClipRect(event->rect());
    painter.scale(scale(), scale());
    PainterCanvas canvas(painter);
    forms::DrawTemplatePage(canvas, templatePage_);
}

} // namespace qv::ui
