#pragma once

#include "FormDrawing.h"
#include "PdfWriter.h"

#include <map>

namespace qv::formgen {

// Draws the blank forms with the same PDF layer the print runs stamp with, so that both turn the
// forms' top-left coordinates into PDF coordinates the same way.
class PdfCanvas : public forms::FormCanvas {
public:
    // The writer's selected page receives the drawing; its origin is set to the top-left corner.
    explicit PdfCanvas(PdfWriter& pdf);

    void SetFont(form::Face face, double size) override;
    double TextWidth(std::string_view text) const override;
    void Text(double x, double y, form::Align align, std::string_view text, double gray) override;
    void Line(double x1, double y1, double x2, double y2, double width, double gray) override;
    void Box(const form::Rect& r, double lineWidth, double fillGray) override;

private:
    PdfWriter& pdf_;
    std::map<form::Face, int> fonts_;
};

} // namespace qv::formgen
