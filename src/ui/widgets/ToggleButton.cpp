#include "ToggleButton.h"

#include "FormStyle.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace qv::ui {

ToggleButton::ToggleButton(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setFont(AmountFont());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ToggleButton::sizeHint() const {
    // One and a half times the font's em: 16 pixels for 8 points at 96 dots per inch.
    const qreal em =
        font().pointSizeF() > 0 ? font().pointSizeF() * logicalDpiY() / 72.0 : font().pixelSize();
    const int side = qMax(8, qRound(em * 1.5));
    return {side, side};
}

QSize ToggleButton::minimumSizeHint() const {
    return {8, 8};
}

void ToggleButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height());
    const qreal line = qMax(1.0, side / 16.0);
    QRectF box((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    box.adjust(line / 2, line / 2, -line / 2, -line / 2);

    QColor fill = isEnabled() ? QColor::fromRgba(kFieldBackground) : QColor(Qt::white);
    if (isDown())
        fill = QColor(0xd4dbef);
    p.setPen(QPen(isEnabled() ? QColor(0x202020) : QColor(0x808080), line));
    p.setBrush(fill);
    p.drawRect(box);

    if (isChecked()) {
        const qreal inset = side * 0.22;
        const QRectF x = box.adjusted(inset, inset, -inset, -inset);
        QPen pen(isEnabled() ? NavyColor() : QColor(0x606080), qMax(1.5, side / 8.0));
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        p.drawLine(x.topLeft(), x.bottomRight());
        p.drawLine(x.topRight(), x.bottomLeft());
    }

    if (hasFocus()) {
        p.setRenderHint(QPainter::Antialiasing, false);
        QPen dotted(QColor(Qt::black), 1, Qt::DotLine);
        p.setPen(dotted);
        p.setBrush(Qt::NoBrush);
        const int inset = qMax(2, qRound(line) + 1);
        p.drawRect(box.toAlignedRect().adjusted(inset, inset, -inset - 1, -inset - 1));
    }
}

} // namespace qv::ui
