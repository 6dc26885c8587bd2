#include "FormStyle.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPointer>
#include <QWidget>

namespace qv::ui {

namespace {

QPalette MakeFieldPalette(const QPalette& base, bool focused) {
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

// A page holds hundreds of fields: the two tints are made once over the application's palette and
// shared. Kept for the whole run (never destroyed after the application).
QPalette FieldPalette(bool focused) {
    struct Entry {
        qint64 base = -1;
        QPalette palette;
    };
    static auto* cache = new Entry[2];
    Entry& entry = cache[focused ? 1 : 0];
    const QPalette base = QApplication::palette();
    if (entry.base != base.cacheKey()) {
        entry.palette = MakeFieldPalette(base, focused);
        entry.base = base.cacheKey();
    }
    return entry.palette;
}

// Follows the focus of every styled field with its background tint.
class FocusTint : public QObject {
public:
    using QObject::QObject;
    // One for the application, made again should the application be made again.
    static FocusTint* instance() {
        static QPointer<FocusTint> tint;
        if (!tint)
            tint = new FocusTint(QCoreApplication::instance());
        return tint;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            auto* widget = static_cast<QWidget*>(watched);
            widget->setPalette(FieldPalette(event->type() == QEvent::FocusIn));
        }
        return false;
    }
};

} // namespace

QFont AmountFont(double zoom) {
    static const QFont* const base = [] {
        auto* font = new QFont;
        // After Tahoma, faces of about its width, so that the amounts fit the form's boxes as designed.
        font->setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Arial"),
                           QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                           QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
        font->setStyleHint(QFont::SansSerif);
        font->setBold(true);
        font->setPointSizeF(kFieldPointSize);
        return font;
    }();
    QFont font = *base;
    if (zoom != 1.0)
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
    widget->setPalette(FieldPalette(widget->hasFocus()));
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setFrame(false);
    widget->installEventFilter(FocusTint::instance());
}

int FieldButtonWidth(int fieldHeight) {
    return qMax(10, (fieldHeight * 4 + 4) / 5);
}

void PaintFieldButton(QPainter& p, const QRect& rect, ButtonGlyph glyph, ButtonLook look) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor face(look.down ? 0xc8d0e8 : look.hovered ? 0xe4e9f6 : 0xd9dee9);
    if (!look.enabled)
        face = QColor(0xe6e6e6);
    p.fillRect(r, face);
    p.setPen(QPen(QColor(0x8a93a8), 1));
    p.drawLine(r.topLeft(), r.bottomLeft());

    const QColor ink = look.enabled ? QColor(0x202020) : QColor(0x9a9a9a);
    const qreal unit = qMin(r.width(), r.height());
    const QPointF c = r.center();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    if (glyph == ButtonGlyph::DropDown) {
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
    p.restore();
}

} // namespace qv::ui
