#include "MaskEdit.h"

#include "FormStyle.h"

namespace qv::ui {

QString MaskEdit::editMaskOf(Mask mask) {
    switch (mask) {
    case Mask::Fein:
        return QStringLiteral("99\\-9999999;1;_");
    case Mask::Ssn:
        return QStringLiteral("999\\-99\\-9999;1;_");
    case Mask::Phone:
        return QStringLiteral("!\\(999\\) 999-9999;1;_");
    }
    return {};
}

MaskEdit::MaskEdit(Mask mask, QWidget* parent) : MaskEdit(editMaskOf(mask), parent) {}

MaskEdit::MaskEdit(const QString& editMask, QWidget* parent) : QLineEdit(parent), mask_(editMask) {
    ApplyFieldStyle(this);
    setInputMask(mask_.qtInputMask());
}

QString MaskEdit::storedText() const {
    return mask_.storedFromDisplayed(displayText());
}

void MaskEdit::setStoredText(const QString& stored) {
    if (stored.isEmpty())
        QLineEdit::clear();
    else
        QLineEdit::setText(mask_.displayedFromStored(stored));
}

} // namespace qv::ui
