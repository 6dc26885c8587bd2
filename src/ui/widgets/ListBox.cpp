#include "ListBox.h"

#include "FormStyle.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QPainter>

namespace qv::ui {

ListBox::ListBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    ApplyFieldStyle(this);
    setFrame(false);
    // The popup also closes without hidePopup(): a click outside it simply hides it.
    view()->window()->installEventFilter(this);
}

bool ListBox::selectText(const QString& text) {
    for (int i = 0; i < count(); ++i) {
        if (itemText(i) == text) {
            setCurrentIndex(i);
            return true;
        }
    }
    setCurrentIndex(-1);
    return false;
}

void ListBox::showPopup() {
    popupOpen_ = true;
    QComboBox::showPopup();
}

void ListBox::hidePopup() {
    QComboBox::hidePopup();
    popupClosed();
}

void ListBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette::ColorGroup group = !isEnabled()       ? QPalette::Disabled
                                       : isActiveWindow() ? QPalette::Active
                                                          : QPalette::Inactive;
    p.fillRect(rect(), palette().brush(group, QPalette::Base));
    const int buttonWidth = FieldButtonWidth(height());
    const QRect textArea = rect().adjusted(2, 0, -buttonWidth - 2, 0);
    p.setPen(palette().color(group, QPalette::Text));
    p.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter,
               fontMetrics().elidedText(currentText(), Qt::ElideRight, textArea.width()));
    const QRect button(width() - buttonWidth, 0, buttonWidth, height());
    PaintFieldButton(p, button, ButtonGlyph::DropDown, {isEnabled(), view()->isVisible(), underMouse()});
}

bool ListBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == view()->window())
        popupClosed();
    return QComboBox::eventFilter(watched, event);
}

void ListBox::popupClosed() {
    if (!popupOpen_)
        return;
    popupOpen_ = false;
    // The list hides itself before it makes the chosen item current; the signal waits for that.
    QMetaObject::invokeMethod(this, &ListBox::closeUp, Qt::QueuedConnection);
}

} // namespace qv::ui
