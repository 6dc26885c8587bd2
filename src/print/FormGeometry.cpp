#include "FormGeometry.h"

#include "LayoutBuilders.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace qv::form {

namespace {

// Pages 5 and 6 hold no form.
PageLayout Unused(int number) {
    PageLayout p;
    p.Page = number;
    p.Name = "not used";
    return p;
}

} // namespace

const PageLayout& Layout(int templatePage) {
    using namespace build;
    static const std::array<PageLayout, page::Count> pages = {
        Form200Layout(),      ScheduleALayout(),     ScheduleBCDLayout(),
        BalanceSheetLayout(), Unused(page::Unused5), Unused(page::Unused6),
        Form200FLayout(),     MinMaxLayout(),        MinMaxBackLayout()};
    if (templatePage < 1 || templatePage > page::Count)
        throw std::out_of_range("no such template page");
    return pages[static_cast<size_t>(templatePage - 1)];
}

GlyphBox DigitBox(Face face) {
    // From the fonts' published metrics: the widest digit's ink and the digits' height.
    switch (face) {
    case Face::Courier:
        return {0.600, 0.070, 0.505, 0.622};
    case Face::TimesRoman:
        return {0.500, 0.024, 0.476, 0.676};
    case Face::Helvetica:
    case Face::HelveticaOblique:
    case Face::HelveticaBold:
        return {0.556, 0.030, 0.524, 0.710};
    }
    return {0.6, 0, 0.6, 0.7};
}

double InkHeight(Face face) {
    return DigitBox(face).InkTop;
}

BoxRowGeometry BoxCells(const Stamp& row) {
    const GlyphBox g = DigitBox(row.Font);
    const double size = row.Size;
    struct Slot {
        double X;
        size_t Index; // into the result's cells
    };
    std::vector<Slot> slots;
    for (size_t i = 0; i < row.Xs.size(); ++i)
        slots.push_back({double(row.Xs[i]), i});
    size_t next = row.Xs.size();
    for (const Preprint& pre : row.Preprinted)
        if (pre.Boxed)
            slots.push_back({double(pre.X), next++});
    std::stable_sort(slots.begin(), slots.end(), [](const Slot& a, const Slot& b) { return a.X < b.X; });

    BoxRowGeometry out;
    out.Cells.resize(next);
    if (slots.empty())
        return out;
    const double top = Baseline(row.Y) - g.InkTop * size - 3;
    const double bottom = row.Y;
    auto inkLeft = [&](const Slot& s) { return s.X + g.InkLeft * size; };
    auto inkRight = [&](const Slot& s) { return s.X + g.InkRight * size; };
    auto centre = [&](const Slot& s) { return s.X + (g.InkLeft + g.InkRight) / 2 * size; };
    auto separatorBetween = [&](double a, double b) {
        for (const Preprint& pre : row.Preprinted)
            if (!pre.Boxed && pre.X > a && pre.X < b)
                return &pre;
        return static_cast<const Preprint*>(nullptr);
    };

    // Half a box: half the usual pitch of the row.
    std::vector<double> pitches;
    for (size_t k = 0; k + 1 < slots.size(); ++k)
        if (!separatorBetween(slots[k].X, slots[k + 1].X))
            pitches.push_back(centre(slots[k + 1]) - centre(slots[k]));
    double half = (g.InkRight - g.InkLeft) / 2 * size + 3;
    if (!pitches.empty()) {
        std::sort(pitches.begin(), pitches.end());
        half = pitches[pitches.size() / 2] / 2;
    }

    std::vector<double> left(slots.size()), right(slots.size());
    left.front() = centre(slots.front()) - half;
    right.back() = centre(slots.back()) + half;
    for (size_t k = 0; k + 1 < slots.size(); ++k) {
        if (const Preprint* sep = separatorBetween(slots[k].X, slots[k + 1].X)) {
            const double free = inkLeft(slots[k + 1]) - inkRight(slots[k]);
            const double margin = std::min(2.0, free / 4);
            right[k] = inkRight(slots[k]) + margin;
            left[k + 1] = inkLeft(slots[k + 1]) - margin;
            out.Separators.push_back({(right[k] + left[k + 1]) / 2, sep->Text});
        } else {
            const double mid = (centre(slots[k]) + centre(slots[k + 1])) / 2;
            right[k] = mid;
            left[k + 1] = mid;
        }
    }
    for (size_t k = 0; k < slots.size(); ++k)
        out.Cells[slots[k].Index] = {left[k], top, right[k], bottom};
    // Separators before the first box or after the last one.
    for (const Preprint& pre : row.Preprinted) {
        if (pre.Boxed)
            continue;
        if (pre.X < slots.front().X)
            out.Separators.push_back({left.front() - 3, pre.Text});
        else if (pre.X > slots.back().X)
            out.Separators.push_back({right.back() + 3, pre.Text});
    }
    return out;
}

Rect MarkCell(const Stamp& mark) {
    // The letter X of Courier: ink from 0.092 to 0.508 of the size, 0.562 high.
    const double size = mark.Size;
    const double side = 0.562 * size + 7;
    const double cx = mark.X + 0.3 * size;
    const double cy = Baseline(mark.Y) - 0.562 * size / 2;
    return {cx - side / 2, cy - side / 2, cx + side / 2, cy + side / 2};
}

Rect FrameCell(const Stamp& text) {
    const Frame& f = text.Box;
    const double top =
        f.Top != 0 ? text.Y + f.Top
                   : Baseline(text.Y) - InkHeight(text.Font) * text.Size - 3 - (f.Caption.empty() ? 0 : 8);
    const double bottom = f.Bottom != 0 ? text.Y + f.Bottom : text.Y + 4;
    return {double(f.Left), top, double(f.Right), bottom};
}

} // namespace qv::form
