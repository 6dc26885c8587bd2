#pragma once

// What the page layouts are written with: the character positions the pages share and small
// builders that keep the tables of stamps readable. Only the layout files include this.

#include "FormGeometry.h"

#include <initializer_list>
#include <stdexcept>

namespace qv::form::build {

inline constexpr int16_t kPos1to13[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
// "00000.00": every character but the point.
inline constexpr int16_t kPosDollarsCents[] = {1, 2, 3, 4, 5, 7, 8};
// An employer identification number "12-3456789" without its hyphen.
inline constexpr int16_t kPosFein[] = {1, 2, 4, 5, 6, 7, 8, 9, 10};

inline std::span<const int16_t> First(std::span<const int16_t> s, size_t n) {
    return s.first(n);
}

inline Frame Cell(int left, int right, std::string_view caption = {}, int top = 0, int bottom = 0) {
    return Frame{FrameStyle::Cell, int16_t(left), int16_t(right), int8_t(top), int8_t(bottom), caption};
}
inline Frame Line(int left, int right, std::string_view caption = {}, bool captionBefore = false) {
    Frame f{FrameStyle::Line, int16_t(left), int16_t(right), 0, 0, caption};
    f.CaptionBefore = captionBefore;
    return f;
}
inline Frame LineBefore(int left, int right, std::string_view caption) {
    return Line(left, right, caption, true);
}

inline Stamp TextAt(std::string_view item, FieldId field, int x, int y, Frame box, Value kind = Value::Text) {
    Stamp s;
    s.Item = item;
    s.Kind = kind;
    s.Field = field;
    s.X = int16_t(x);
    s.Y = int16_t(y);
    s.Box = box;
    return s;
}

inline Stamp IfYes(Stamp s, FieldId flag) {
    s.Condition = When::Yes;
    s.ConditionField = flag;
    return s;
}

inline Stamp MarkAt(std::string_view item, int x, int y, When when, FieldId flag) {
    Stamp s;
    s.Item = item;
    s.Kind = Value::Mark;
    s.X = int16_t(x);
    s.Y = int16_t(y);
    s.Condition = when;
    s.ConditionField = flag;
    return s;
}

inline Stamp BoxRow(std::string_view item, Value kind, FieldId field, int y, std::string_view pattern,
                    Prep prep, std::span<const int16_t> positions, std::span<const int16_t> xs,
                    std::span<const Preprint> preprinted = {}, LineCaption caption = {}) {
    if (positions.size() != xs.size())
        throw std::logic_error("box row with unequal positions and boxes");
    Stamp s;
    s.Item = item;
    s.Kind = kind;
    s.Field = field;
    s.Y = int16_t(y);
    s.Pattern = pattern;
    s.Preparation = prep;
    s.Positions = positions;
    s.Xs = xs;
    s.Preprinted = preprinted;
    s.Caption = caption;
    return s;
}

inline Stamp Captioned(Stamp s, LineCaption caption) {
    s.Caption = caption;
    return s;
}

// Appends stamps in one font, size and alignment.
inline void Add(std::vector<Stamp>& out, Face font, double size, Align align,
                std::initializer_list<Stamp> stamps) {
    for (Stamp s : stamps) {
        s.Font = font;
        s.Size = size;
        s.Alignment = align;
        out.push_back(s);
    }
}

// The layouts of the pages, each in the file named after it.
PageLayout Form200Layout();
PageLayout ScheduleALayout();
PageLayout ScheduleBCDLayout();
PageLayout BalanceSheetLayout();
PageLayout Form200FLayout();
PageLayout MinMaxLayout();
PageLayout MinMaxBackLayout();

} // namespace qv::form::build
