#include "ControlPlacement.h"

#include <algorithm>

namespace qv::forms {

using namespace qv::form;

namespace {

// A text without a frame of its own: this much room beside its point, on the side it grows to.
constexpr double kUnframedWidth = 100;

Rect Union(const Rect& a, const Rect& b) {
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

// The boxes the value is written into; the ones the form prints its own digits in stay visible.
Rect BoxRowRect(const Stamp& row) {
    const BoxRowGeometry geo = BoxCells(row);
    const size_t stamped = std::min(row.Positions.size(), geo.Cells.size());
    Rect r = geo.Cells.front();
    for (size_t i = 1; i < stamped; ++i)
        r = Union(r, geo.Cells[i]);
    return r;
}

// A text on a line: the line's extent, one text size tall, standing on the line and kept below a
// caption printed above the line.
Rect LineRect(const Stamp& text) {
    const Frame& f = text.Box;
    double top = text.Y - text.Size;
    if (!f.Caption.empty() && !f.CaptionBefore) {
        const double captionBaseline = Baseline(text.Y) - InkHeight(text.Font) * text.Size - 2.5;
        top = std::max(top, captionBaseline + 1);
    }
    return {double(f.Left), top, double(f.Right), double(text.Y)};
}

Rect UnframedRect(const Stamp& text) {
    double left = text.X;
    if (text.Alignment == Align::Centre)
        left -= kUnframedWidth / 2;
    else if (text.Alignment == Align::Right)
        left -= kUnframedWidth;
    return {left, text.Y - text.Size, left + kUnframedWidth, double(text.Y)};
}

} // namespace

Rect StampRect(const Stamp& stamp) {
    if (IsBoxRow(stamp.Kind))
        return BoxRowRect(stamp);
    if (stamp.Kind == Value::Mark)
        return MarkCell(stamp);
    switch (stamp.Box.Style) {
    case FrameStyle::Cell:
        return FrameCell(stamp);
    case FrameStyle::Line:
        return LineRect(stamp);
    case FrameStyle::None:
        break;
    }
    return UnframedRect(stamp);
}

std::optional<Rect> FieldRect(int templatePage, FieldId field) {
    if (templatePage < 1 || templatePage > page::Count)
        return std::nullopt;
    for (const Stamp& stamp : Layout(templatePage).Stamps) {
        // A mark stamps its condition: the check box belongs to the flag it shows.
        const FieldId stamped = stamp.Kind == Value::Mark ? stamp.ConditionField : stamp.Field;
        if (stamped == field)
            return StampRect(stamp);
    }
    return std::nullopt;
}

} // namespace qv::forms
