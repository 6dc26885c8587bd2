#include "TrailingButton.h"

#include "FormStyle.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace qv::ui {

TrailingButton::TrailingButton(QLineEdit* edit, ButtonGlyph glyph)
    : QToolButton(edit), edit_(edit), glyph_(glyph) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setAutoRaise(true);
    edit->installEventFilter(this);
    place();
}

QSize TrailingButton::sizeHint() const {
    return {FieldButtonWidth(edit_->height()), edit_->height()};
}

void TrailingButton::place() {
    const QSize size = sizeHint();
    setGeometry(edit_->width() - size.width(), 0, size.width(), edit_->height());
    const QMargins margins = edit_->textMargins();
    if (margins.right() != size.width())
        edit_->setTextMargins(margins.left(), margins.top(), size.width(), margins.bottom());
}

bool TrailingButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_) {
        if (event->type() == QEvent::Resize) {
            place();
        } else if (event->type() == QEvent::KeyPress && isEnabled()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool altDown = key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier);
            const bool f4 = key->key() == Qt::Key_F4 && key->modifiers() == Qt::NoModifier;
            if (altDown || f4) {
                click();
                return true;
            }
        }
    }
    return QToolButton::eventFilter(watched, event);
}

void TrailingButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintFieldButton(p, rect(), glyph_, {isEnabled(), isDown(), underMouse()});
}

} // namespace qv::ui
