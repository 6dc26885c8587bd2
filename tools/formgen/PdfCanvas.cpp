#include "PdfCanvas.h"

#include <stdexcept>

namespace qv::formgen {

PdfCanvas::PdfCanvas(PdfWriter& pdf) : pdf_(pdf) {
    pdf_.SetOrigin(Origin::TopLeft);
}

void PdfCanvas::SetFont(form::Face face, double size) {
    auto it = fonts_.find(face);
    if (it == fonts_.end())
        it = fonts_.emplace(face, pdf_.AddStandardFont(face)).first;
    pdf_.SelectFont(it->second);
    pdf_.SetTextSize(size);
}

double PdfCanvas::TextWidth(std::string_view text) const {
    return pdf_.GetTextWidth(text);
}

void PdfCanvas::Text(double x, double y, form::Align align, std::string_view text, double gray) {
    pdf_.SetTextAlign(align);
    pdf_.SetTextColor(gray, gray, gray);
    // Every page is made before it is drawn on and every text has its font set.
    if (!pdf_.DrawText(x, y, text))
        throw std::logic_error("formgen drew a text with no page or font selected");
}

void PdfCanvas::Line(double x1, double y1, double x2, double y2, double width, double gray) {
    pdf_.SetLineWidth(width);
    pdf_.SetLineColor(gray, gray, gray);
    pdf_.DrawLine(x1, y1, x2, y2);
}

void PdfCanvas::Box(const form::Rect& r, double lineWidth, double fillGray) {
    const bool fill = fillGray >= 0;
    const bool outline = lineWidth > 0;
    if (!fill && !outline)
        return;
    if (fill)
        pdf_.SetFillColor(fillGray, fillGray, fillGray);
    if (outline) {
        pdf_.SetLineWidth(lineWidth);
        pdf_.SetLineColor(0, 0, 0);
    }
    pdf_.DrawBox(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top,
                 fill ? (outline ? BoxMode::FillAndOutline : BoxMode::Fill) : BoxMode::Outline);
}

} // namespace qv::formgen
