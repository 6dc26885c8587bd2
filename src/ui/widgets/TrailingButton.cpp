#include "TrailingButton.h"

#include "FormStyle.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

namespace qv::ui {

TrailingButton::TrailingButton(QLineEdit* edit, Glyph glyph) : QToolButton(edit), edit_(edit), glyph_(glyph) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setAutoRaise(true);
    edit->installEventFilter(this);
    place();
}

QSize TrailingButton::sizeHint() const {
    const int h = edit_->height();
    return {qMax(10, (h * 4 + 4) / 5), h};
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
        } else if (event->type() == QEvent::KeyPress && isEnabled() && !edit_->isReadOnly()) {
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
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor face(isDown() ? 0xc8d0e8 : underMouse() ? 0xe4e9f6 : 0xd9dee9);
    if (!isEnabled())
        face = QColor(0xe6e6e6);
    p.fillRect(r, face);
    p.setPen(QPen(QColor(0x8a93a8), 1));
    p.drawLine(r.topLeft(), r.bottomLeft());

    const QColor ink = isEnabled() ? QColor(0x202020) : QColor(0x9a9a9a);
    const qreal unit = qMin(r.width(), r.height());
    const QPointF c = r.center();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    if (glyph_ == Glyph::DropDown) {
        const qreal half = unit * 0.24;
        QPainterPath arrow;
        arrow.moveTo(c.x() - half, c.y() - half * 0.5);
        arrow.lineTo(c.x() + half, c.y() - half * 0.5);
        arrow.lineTo(c.x(), c.y() + half * 0.6);
        arrow.closeSubpath();
        p.drawPath(arrow);
    } else {
        const qreal radius = qMax(0.9, unit * 0.07);
        const qreal step = unit * 0.22;
        for (int i = -1; i <= 1; ++i)
            p.drawEllipse(QPointF(c.x() + i * step, c.y() + unit * 0.12), radius, radius);
    }
}

} // namespace qv::ui
