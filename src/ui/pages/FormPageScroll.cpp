#include "FormPageScroll.h"

#include "FormPageView.h"

#include <QScrollBar>
#include <algorithm>

namespace qv::ui {

FormPageScroll::FormPageScroll(int templatePage, QWidget* parent)
    : QScrollArea(parent), page_(new FormPageView(templatePage)) {
    setWidget(page_);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackgroundRole(QPalette::Dark);
}

double FormPageScroll::zoom() const {
    return page_->zoom();
}

void FormPageScroll::zoomIn() {
    setZoom(zoom() * kZoomStep);
}

void FormPageScroll::zoomOut() {
    setZoom(zoom() / kZoomStep);
}

void FormPageScroll::resetZoom() {
    setZoom(1);
}

void FormPageScroll::setZoom(double zoom) {
    // Steps from 1 land on 1 again; snap what rounding leaves near it.
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (std::abs(zoom - 1) < 1e-9)
        zoom = 1;
    if (zoom == page_->zoom())
        return;
    // Keep the middle of the view on the same spot of the page.
    const double ratio = zoom / page_->zoom();
    const double cx = horizontalScrollBar()->value() + viewport()->width() / 2.0;
    const double cy = verticalScrollBar()->value() + viewport()->height() / 2.0;
    page_->setZoom(zoom);
    horizontalScrollBar()->setValue(int(cx * ratio - viewport()->width() / 2.0));
    verticalScrollBar()->setValue(int(cy * ratio - viewport()->height() / 2.0));
    // The control being worked in stays in sight.
    // The window's focus widget, which it keeps also while another window is active.
    QWidget* focus = window()->focusWidget();
    if (focus && focus != page_ && page_->isAncestorOf(focus))
        ensureWidgetVisible(focus);
    emit zoomChanged(zoom);
}

} // namespace qv::ui
