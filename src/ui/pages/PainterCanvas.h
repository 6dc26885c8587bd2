#pragma once

#include "FormDrawing.h"

#include <QRawFont>
#include <map>

class QPainter;

namespace qv::ui {

// Draws the blank forms on screen through a QPainter, as vectors. Coordinates are those of the form
// geometry (points, top-left origin); the painter's transform carries the zoom and the device pixel
// ratio, so the picture is crisp at every scale.
//
// The faces are the metric-compatible URW fonts (Nimbus Sans for Helvetica, Nimbus Roman for Times,
// Nimbus Mono PS for Courier), and every glyph is placed by the same published widths the PDF layer
// measures with, so texts wrap, centre and align on screen exactly as they print.
class PainterCanvas : public forms::FormCanvas {
public:
    explicit PainterCanvas(QPainter& painter);

    void SetFont(form::Face face, double size) override;
    double TextWidth(std::string_view text) const override;
    void Text(double x, double y, form::Align align, std::string_view text, double gray) override;
    void Line(double x1, double y1, double x2, double y2, double width, double gray) override;
    void Box(const form::Rect& r, double lineWidth, double fillGray) override;

    // The screen font that stands for a form face at a size in points (pixels of the painter's
    // untransformed space).
    static QRawFont ScreenFont(form::Face face, double size);

private:
    class DevicePixels;
    // Whether the painter only scales and moves, so that rules can be laid on device pixels.
    bool Axial() const;

    QPainter& painter_;
    form::Face face_ = form::Face::Helvetica;
    double size_ = 12;
    QRawFont font_;
};

} // namespace qv::ui
