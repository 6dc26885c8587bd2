#pragma once

#include "FormGeometry.h"

#include <string_view>

namespace qv::forms {

// What drawing a blank form needs: the PDF writer in the template generator, a QPainter in the
// window, a recorder in the tests.
// Coordinates are those of the form geometry (points, top-left origin).
class FormCanvas {
public:
    virtual ~FormCanvas() = default;
    virtual void SetFont(form::Face face, double size) = 0;
    // Width of a text in the current font and size.
    virtual double TextWidth(std::string_view text) const = 0;
    // A Windows-1252 text with its baseline at y; gray 0 is black, 1 white.
    virtual void Text(double x, double y, form::Align align, std::string_view text, double gray) = 0;
    virtual void Line(double x1, double y1, double x2, double y2, double width, double gray) = 0;
    // A rectangle, outlined with lineWidth when it is above 0, filled with fillGray when that is 0 or more.
    virtual void Box(const form::Rect& r, double lineWidth, double fillGray) = 0;
};

// Draws one page of the blank-form template: its panels, the boxes, lines and cells that the
// page's stamps land in, the printed parts of the box rows, the captions, rules and texts.
void DrawTemplatePage(FormCanvas& canvas, int templatePage);

} // namespace qv::forms
