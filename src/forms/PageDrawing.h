#pragma once

#include "FormGeometry.h"

#include <string_view>
#include <vector>

// The blank pages around the stamped values: titles, section bars, rules, panels and instructions.
// Only the drawing reads them; the boxes, lines, cells and line captions come with the stamps of
// the form geometry. Same units and origin as the geometry.
namespace qv::forms {

using form::Align;
using form::Face;

struct Label {
    double X, Y; // baseline point
    Face Font;
    double Size;
    Align Alignment;
    std::string_view Text;
    double Gray = 0; // 0 black .. 1 white
};

// A block of running text wrapped into lines of at most Width, first baseline at Y.
struct Paragraph {
    double X, Y, Width;
    Face Font;
    double Size;
    double Leading;
    std::string_view Text;
};

struct Rule {
    double X1, Y1, X2, Y2;
    double Width = 0.5;
    double Gray = 0;
    bool Dashed = false;
};

// A rectangle, top-left corner (X, Y): outlined when Stroke > 0, filled when Fill >= 0.
struct Panel {
    double X, Y, W, H;
    double Stroke = 0.5;
    double Fill = -1; // gray level of the fill, -1 none
};

// What a template page prints besides its stamps' boxes and captions; drawn in this order, the
// panels first so that everything else lies on top of their fills.
struct PageDrawing {
    std::vector<Panel> Panels;
    std::vector<Rule> Rules;
    std::vector<Label> Labels;
    std::vector<Paragraph> Paragraphs;
};

// The drawing of a template page, 1 to form::page::Count.
const PageDrawing& Drawing(int templatePage);

} // namespace qv::forms
