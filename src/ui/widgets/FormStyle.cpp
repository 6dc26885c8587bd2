#include "FormStyle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace qv::ui {

namespace {

QPalette FieldPalette(const QPalette& base, bool focused) {
    QPalette p = base;
    const QColor navy = NavyColor();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Text, navy);
        p.setColor(group, QPalette::WindowText, navy);
        p.setColor(group, QPalette::ButtonText, navy);
    }
    const QColor background = QColor::fromRgba(focused ? kFocusedFieldBackground : kFieldBackground);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Base, background);
        p.setColor(group, QPalette::Button, background);
    }
    // A computed value reads as printed on the page.
    p.setColor(QPalette::Disabled, QPalette::Base, Qt::transparent);
    p.setColor(QPalette::Disabled, QPalette::Button, Qt::transparent);
    return p;
}

// Follows the focus of every styled field with its background tint.
class FocusTint : public QObject {
public:
    using QObject::QObject;
    static FocusTint* instance() {
        static FocusTint* tint = new FocusTint(QCoreApplication::instance());
        return tint;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            auto* widget = static_cast<QWidget*>(watched);
            widget->setPalette(FieldPalette(widget->palette(), event->type() == QEvent::FocusIn));
        }
        return false;
    }
};

} // namespace

QFont AmountFont(double zoom) {
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPointSizeF(kFieldPointSize * zoom);
    return font;
}

void SetZoomedFont(QWidget* widget, double pointSize, double zoom) {
    QFont font = widget->font();
    font.setPointSizeF(pointSize * zoom);
    widget->setFont(font);
}

void ApplyFieldStyle(QWidget* widget) {
    widget->setFont(AmountFont());
    widget->setPalette(FieldPalette(widget->palette(), widget->hasFocus()));
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setFrame(false);
    widget->installEventFilter(FocusTint::instance());
}

} // namespace qv::ui
