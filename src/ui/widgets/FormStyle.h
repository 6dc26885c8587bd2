#pragma once

#include <QColor>
#include <QFont>

class QPainter;
class QRect;
class QWidget;

namespace qv::ui {

// The look the page controls share: values in bold navy over the form's boxes, as a preparer's
// entries look on the paper form, in a face that scales with the page zoom.

inline constexpr QRgb kNavy = 0xff000080;
// The light tint of a box the user can type into, and of the one holding the focus.
inline constexpr QRgb kFieldBackground = 0xffeef2ff;
inline constexpr QRgb kFocusedFieldBackground = 0xfffff6c8;
inline constexpr double kFieldPointSize = 8.0;

inline QColor NavyColor() {
    return QColor::fromRgba(kNavy);
}

// Bold, sans-serif, 8 points at zoom 1: Tahoma where it is installed, a face of its width elsewhere.
QFont AmountFont(double zoom = 1.0);

// Keeps the widget's face and sets its size to pointSize x zoom; the window calls it for every
// control when the page zoom changes.
void SetZoomedFont(QWidget* widget, double pointSize, double zoom);

// A flat, frameless field over a form box: navy bold text, a light tint while it can be typed into
// (a warmer one while it has the focus), and when disabled the same navy text straight on the page.
void ApplyFieldStyle(QWidget* widget);

// The button at the right end of a date edit, a button edit or a list: a flat face with a drawn
// arrow or ellipsis that scales with the button, so it stays crisp at every zoom.
enum class ButtonGlyph { DropDown, Ellipsis };
struct ButtonLook {
    bool enabled = true;
    bool down = false;
    bool hovered = false;
};
void PaintFieldButton(QPainter& painter, const QRect& rect, ButtonGlyph glyph, ButtonLook look);
// The width of that button in a field of the given height.
int FieldButtonWidth(int fieldHeight);

} // namespace qv::ui
