#pragma once

#include "FormGeometry.h"

#include <QPointer>
#include <QWidget>
#include <vector>

namespace qv::ui {

// The picture of one template page, drawn by the blank-form drawing, with controls laid over its
// boxes. Everything is placed in form points and turned into pixels by one factor, the page's
// pixels per point times the zoom, so picture and controls scale together and never drift apart.
class FormPageView : public QWidget {
    Q_OBJECT
public:
    // The page picture is 834 pixels wide at zoom 1.
    static constexpr double kPixelsPerPoint = 834.0 / 612.0;

    explicit FormPageView(int templatePage, QWidget* parent = nullptr);

    int templatePage() const { return templatePage_; }
    double zoom() const { return zoom_; }
    // Resizes the view to the page size times the scale and moves and scales every placed control.
    void setZoom(double zoom);
    // Pixels per form point at the current zoom.
    double scale() const { return kPixelsPerPoint * zoom_; }

    // Makes control a child of the view and keeps it over pointsRect at every zoom. Like the
    // rectangle, the control's font is taken as designed for zoom 1: its point size is multiplied by
    // the zoom, now and on every change. Set the control's font before placing it.
    void place(QWidget* control, const form::Rect& pointsRect);
    // A rectangle of the page in pixels of the view at the current zoom.
    QRect pixelRect(const form::Rect& pointsRect) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Placed {
        QPointer<QWidget> Control;
        form::Rect Points;
        double BasePointSize; // <= 0: the font is left alone
    };
    void Arrange(Placed& placed) const;

    int templatePage_;
    double zoom_ = 1;
    std::vector<Placed> placed_;
};

} // namespace qv::ui
