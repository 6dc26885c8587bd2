#include "FormDrawing.h"

#include "PageDrawing.h"

#include <cmath>
#include <string>
#include <vector>

namespace qv::forms {

using namespace qv::form;

namespace {

constexpr double kBoxLine = 0.6;   // outline of digit boxes and check boxes
constexpr double kFieldLine = 0.5; // lines and cells that texts are written on

// Greedy word wrap within width in the canvas's current font.
std::vector<std::string> Wrap(const FormCanvas& canvas, std::string_view text, double width) {
    std::vector<std::string> lines;
    std::string current;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find(' ', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view word = text.substr(pos, end - pos);
        pos = end + 1;
        if (word.empty())
            continue;
        std::string candidate = current.empty() ? std::string(word) : current + " " + std::string(word);
        if (!current.empty() && canvas.TextWidth(candidate) > width) {
            lines.push_back(current);
            current = std::string(word);
        } else {
            current = std::move(candidate);
        }
    }
    if (!current.empty())
        lines.push_back(current);
    return lines;
}

void DrawParagraph(FormCanvas& canvas, const Paragraph& para) {
    canvas.SetFont(para.Font, para.Size);
    double y = para.Y;
    for (const std::string& line : Wrap(canvas, para.Text, para.Width)) {
        canvas.Text(para.X, y, Align::Left, line, 0);
        y += para.Leading;
    }
}

void DrawRule(FormCanvas& canvas, const Rule& rule) {
    if (!rule.Dashed) {
        canvas.Line(rule.X1, rule.Y1, rule.X2, rule.Y2, rule.Width, rule.Gray);
        return;
    }
    const double dx = rule.X2 - rule.X1, dy = rule.Y2 - rule.Y1;
    const double length = std::hypot(dx, dy);
    const double dash = 4, gap = 3;
    for (double t = 0; t < length; t += dash + gap) {
        const double t2 = std::min(length, t + dash);
        canvas.Line(rule.X1 + dx * t / length, rule.Y1 + dy * t / length, rule.X1 + dx * t2 / length,
                    rule.Y1 + dy * t2 / length, rule.Width, rule.Gray);
    }
}

// A form line's caption: number, wording wrapped upward so that its last line sits on the row,
// the note under it in smaller type, and dotted leaders to the boxes.
void DrawLineCaption(FormCanvas& canvas, const LineCaption& cap, int rowY) {
    if (cap.X == 0)
        return;
    constexpr double kTextSize = 7, kTextLeading = 7.5, kNoteSize = 5.5, kNoteLeading = 6.2;
    const double textX = cap.Number.empty() ? cap.X : cap.X + 15;
    const double width = cap.Right - textX - 6;
    canvas.SetFont(Face::Helvetica, kTextSize);
    const std::vector<std::string> text = Wrap(canvas, cap.Text, width);
    canvas.SetFont(Face::HelveticaOblique, kNoteSize);
    const std::vector<std::string> note = Wrap(canvas, cap.Note, width);
    if (text.empty())
        return;

    const double last = Baseline(rowY);
    double y = last - note.size() * kNoteLeading - (text.size() - 1) * kTextLeading;
    if (!cap.Number.empty()) {
        canvas.SetFont(Face::HelveticaBold, kTextSize);
        canvas.Text(cap.X, y, Align::Left, cap.Number, 0);
    }
    canvas.SetFont(Face::Helvetica, kTextSize);
    for (size_t i = 0; i < text.size(); ++i, y += kTextLeading) {
        canvas.Text(textX, y, Align::Left, text[i], 0);
        if (i + 1 == text.size()) {
            // Leaders, right-aligned so that their dots line up from row to row.
            const double from = textX + canvas.TextWidth(text[i]) + 3;
            const double pitch = canvas.TextWidth(". ");
            const int count = int((cap.Right - 2 - from) / pitch);
            if (count >= 8) {
                std::string dots;
                for (int k = 0; k < count; ++k)
                    dots += ". ";
                dots.pop_back();
                canvas.Text(cap.Right - 2, y, Align::Right, dots, 0.35);
            }
        }
    }
    y -= kTextLeading;
    canvas.SetFont(Face::HelveticaOblique, kNoteSize);
    for (const std::string& line : note) {
        y += kNoteLeading;
        canvas.Text(textX, y, Align::Left, line, 0.2);
    }
}

void DrawBoxRow(FormCanvas& canvas, const Stamp& row) {
    const BoxRowGeometry geo = BoxCells(row);
    for (const Rect& cell : geo.Cells)
        canvas.Box(cell, kBoxLine, -1);

    // The characters the form prints in boxes of their own, in the type of the form.
    const GlyphBox g = DigitBox(row.Font);
    const double digitCentre = Baseline(row.Y) - g.InkTop * row.Size / 2;
    size_t cell = row.Xs.size();
    for (const Preprint& pre : row.Preprinted) {
        if (!pre.Boxed)
            continue;
        const Rect& r = geo.Cells[cell++];
        const double size = std::min(11.0, (r.Bottom - r.Top) * 0.65);
        canvas.SetFont(Face::Helvetica, size);
        canvas.Text((r.Left + r.Right) / 2, digitCentre + 0.71 * size / 2, Align::Centre, pre.Text, 0);
    }
    for (const Separator& sep : geo.Separators) {
        if (sep.Text == ".") {
            canvas.SetFont(Face::HelveticaBold, 14);
            canvas.Text(sep.X, Baseline(row.Y), Align::Centre, sep.Text, 0);
        } else if (!sep.Text.empty()) {
            // A hyphen at the digits' half height.
            canvas.SetFont(Face::HelveticaBold, 10);
            canvas.Text(sep.X, digitCentre + 2.85, Align::Centre, sep.Text, 0);
        }
    }
    DrawLineCaption(canvas, row.Caption, row.Y);
}

void DrawTextFrame(FormCanvas& canvas, const Stamp& text) {
    const Frame& f = text.Box;
    switch (f.Style) {
    case FrameStyle::None:
        break;
    case FrameStyle::Line:
        canvas.Line(f.Left, text.Y, f.Right, text.Y, kFieldLine, 0);
        if (!f.Caption.empty()) {
            if (f.CaptionBefore) {
                canvas.SetFont(Face::Helvetica, 6.5);
                canvas.Text(f.Left - 3, Baseline(text.Y), Align::Right, f.Caption, 0);
            } else {
                canvas.SetFont(Face::Helvetica, 6);
                canvas.Text(f.Left + 1, Baseline(text.Y) - InkHeight(text.Font) * text.Size - 2.5,
                            Align::Left, f.Caption, 0);
            }
        }
        break;
    case FrameStyle::Cell: {
        const Rect r = FrameCell(text);
        canvas.Box(r, kFieldLine, -1);
        if (!f.Caption.empty()) {
            canvas.SetFont(Face::Helvetica, 6);
            canvas.Text(r.Left + 3, r.Top + 7, Align::Left, f.Caption, 0);
        }
        break;
    }
    }
    DrawLineCaption(canvas, text.Caption, text.Y);
}

} // namespace

void DrawTemplatePage(FormCanvas& canvas, int templatePage) {
    const PageLayout& layout = Layout(templatePage);
    const PageDrawing& drawing = Drawing(templatePage);
    // Fills first, so that everything else lies on top of them.
    for (const Panel& panel : drawing.Panels)
        canvas.Box({panel.X, panel.Y, panel.X + panel.W, panel.Y + panel.H}, panel.Stroke, panel.Fill);
    for (const Rule& rule : drawing.Rules)
        DrawRule(canvas, rule);
    for (const Stamp& stamp : layout.Stamps) {
        if (IsBoxRow(stamp.Kind))
            DrawBoxRow(canvas, stamp);
        else if (stamp.Kind == Value::Mark)
            canvas.Box(MarkCell(stamp), kBoxLine, -1);
        else
            DrawTextFrame(canvas, stamp);
    }
    for (const Label& label : drawing.Labels) {
        canvas.SetFont(label.Font, label.Size);
        canvas.Text(label.X, label.Y, label.Alignment, label.Text, label.Gray);
    }
    for (const Paragraph& para : drawing.Paragraphs)
        DrawParagraph(canvas, para);
}

} // namespace qv::forms
