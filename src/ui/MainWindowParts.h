#pragma once

// What the three parts of the main window share: the binding table, the conversions of texts between
// the record and the widgets, and the few helpers every command uses. Only the window's own sources
// include this.

#include "BusyCursor.h"
#include "Codepage1252.h"
#include "RecordFields.h"
#include "frmMain.h"

#include <QApplication>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qv::ui {

namespace window {

// The binding table.

enum class Conv : uint8_t {
    Text,
    Masked,
    Amount,
    Number,
    Whole,
    Date,
    DateText,
    Item,
    ItemAmount,
    Toggle,
    Opposite,
    Shown,
    ShownIfChanged
};

// Tabs that own a header field, one bit per tab of pcTax.
constexpr unsigned Bs = 1u << 0, Bcd = 1u << 1, F200 = 1u << 2, SchedA = 1u << 3, MinMax = 1u << 4,
                   F200F = 1u << 5, Any = 0x3f;
// What runs the cycle.
constexpr unsigned None = 0, Enter = 1, Click = 2, CloseUp = 4, Leave = 8;

struct Binding {
    FieldId Field;
    const char* Control;
    Conv Conversion;
    unsigned Tabs;
    unsigned Triggers;
};

constexpr Binding kBindings[] = {
#define QV_BIND(field, control, conv, tabs, triggers) {FieldId::field, #control, Conv::conv, tabs, triggers},
#define QV_TRIGGER(control, triggers)
#include "FieldControls.def"
#undef QV_TRIGGER
#undef QV_BIND
};

struct TriggerOnly {
    const char* Control;
    unsigned Triggers;
};

constexpr TriggerOnly kTriggerOnly[] = {
#define QV_BIND(field, control, conv, tabs, triggers)
#define QV_TRIGGER(control, triggers) {#control, triggers},
#include "FieldControls.def"
#undef QV_TRIGGER
#undef QV_BIND
};

// Asked before work that is not saved is given up.
inline constexpr std::string_view kSaveQuestion = "Do you want to save your data? ";

// Display formats of the amount entries: cents, or whole dollars when the option asks for them.
inline constexpr const char* kCentsEntry = ",0.00;(,0.00)";
inline constexpr const char* kWholeEntry = ",0;(,0)";

inline QString Q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
// Record texts are Windows-1252; widgets hold Unicode.
inline QString FromRecord(const std::string& text) {
    return Q(Cp1252ToUtf8(text));
}
inline std::string ToRecord(const QString& text) {
    return Utf16ToCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                             static_cast<size_t>(text.size())));
}

// A control the focus can move into: enabled, not hidden, and taking focus at all. The unpressed
// button of a pair drops its tab focus, as Qt has it for exclusive groups, and still counts.
inline bool TakesFocus(const QWidget* w) {
    return w->isEnabled() && !w->isHidden() && w->focusPolicy() != Qt::NoFocus;
}

// The text of a caught error.
inline std::string MessageOf(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return {};
    }
}

} // namespace window

struct TfMain::Bound {
    const window::Binding* Bind;
    const FieldDef* Def;
    const FieldDef* PairDef; // the field of the row above, for Opposite
    QWidget* Widget;
};

template <class F>
void TfMain::Run(F&& command) {
    try {
        command();
    } catch (const std::exception& e) {
        prompts_.Error(e.what());
    }
}

template <class T>
T* TfMain::Control(const char* name) const {
    T* w = qobject_cast<T*>(Control(name));
    if (w == nullptr)
        throw std::logic_error(std::string("the control ") + name + " is of another kind");
    return w;
}

} // namespace qv::ui
