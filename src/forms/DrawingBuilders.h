#pragma once

// What the blank-page drawings are written with: the title band, section bars and small texts that
// the pages share. Only the drawing files include this.

#include "ControlPlacement.h"
#include "PageDrawing.h"

namespace qv::forms::build {

using form::Align;
using form::Face;

// A title band across the top of a form page: the form's name on the left, its title in the
// middle, the year on the right.
inline void TitleBand(PageDrawing& p, double left, std::string_view formName, std::string_view title,
                      std::string_view subtitle) {
    const double right = 576;
    p.Rules.push_back({left, 18, right, 18, 2.5});
    p.Rules.push_back({left, 60, right, 60, 1});
    p.Labels.push_back({left, 36, Face::HelveticaBold, 8, Align::Left, "State of Oklahoma"});
    p.Labels.push_back({left, 52, Face::HelveticaBold, 16, Align::Left, formName});
    const double mid = (left + 80 + right - 60) / 2;
    p.Labels.push_back({mid, 37, Face::HelveticaBold, 12.5, Align::Centre, title});
    p.Labels.push_back({mid, 51, Face::Helvetica, 7.5, Align::Centre, subtitle});
    p.Panels.push_back({right - 56, 22, 56, 34, 0, 0});
    p.Labels.push_back({right - 28, 48, Face::HelveticaBold, 20, Align::Centre, "2010", 1});
}

// A shaded section heading across the page.
inline void SectionBar(PageDrawing& p, double left, double right, double top, std::string_view text,
                       std::string_view note = {}) {
    p.Panels.push_back({left, top, right - left, 13, 0.5, 0.85});
    p.Labels.push_back({left + 4, top + 9.5, Face::HelveticaBold, 8, Align::Left, text});
    if (!note.empty())
        p.Labels.push_back({right - 4, top + 9.5, Face::Helvetica, 6.5, Align::Right, note});
}

inline void Small(PageDrawing& p, double x, double y, std::string_view text, Align align = Align::Left,
                  double size = 6.5) {
    p.Labels.push_back({x, y, Face::Helvetica, size, align, text});
}
inline void Bold(PageDrawing& p, double x, double y, std::string_view text, Align align = Align::Left,
                 double size = 7) {
    p.Labels.push_back({x, y, Face::HelveticaBold, size, align, text});
}

// The drawings of the pages, each in the file named after it.
PageDrawing Form200Drawing();
PageDrawing ScheduleADrawing();
PageDrawing ScheduleBCDDrawing();
PageDrawing BalanceSheetDrawing();
PageDrawing Form200FDrawing();
PageDrawing MinMaxDrawing();
PageDrawing MinMaxBackDrawing();

} // namespace qv::forms::build
