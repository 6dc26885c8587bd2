#include "ButtonEdit.h"

#include "FormStyle.h"
#include "TrailingButton.h"

namespace qv::ui {

ButtonEdit::ButtonEdit(QWidget* parent)
    : QLineEdit(parent), button_(new TrailingButton(this, ButtonGlyph::Ellipsis)) {
    ApplyFieldStyle(this);
    button_->setObjectName(QStringLiteral("button"));
    connect(button_, &QToolButton::clicked, this, &ButtonEdit::buttonClicked);
}

} // namespace qv::ui
