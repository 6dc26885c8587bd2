#include "LinkButton.h"

#include <QKeyEvent>
#include <QPainter>

namespace qv::ui {

LinkButton::LinkButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setFlat(true);
    setAutoDefault(false);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

LinkButton::LinkButton(QWidget* parent) : LinkButton(QString(), parent) {}

void LinkButton::setVisited(bool visited) {
    if (visited_ != visited) {
        visited_ = visited;
        update();
    }
}

QSize LinkButton::sizeHint() const {
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
    return {text.width() + 4, text.height() + 2};
}

QSize LinkButton::minimumSizeHint() const {
    return sizeHint();
}

void LinkButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QFont f = font();
    f.setUnderline(true);
    p.setFont(f);
    QColor ink = visited_ ? QColor(0x800080) : QColor(0x0000ff);
    if (!isEnabled())
        ink = QColor(0x808080);
    else if (isDown())
        ink = QColor(0xff0000);
    p.setPen(ink);
    const QRect area = rect().adjusted(2, 1, -2, -1);
    p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        QRect bounds = p.boundingRect(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text());
        p.setPen(QPen(QColor(Qt::black), 1, Qt::DotLine));
        p.drawRect(bounds.adjusted(-1, 0, 0, -1) & rect().adjusted(0, 0, -1, -1));
    }
}

void LinkButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace qv::ui
