#pragma once

#include "FormStyle.h"

#include <QToolButton>

class QLineEdit;

namespace qv::ui {

// The button inside the right end of a date or button edit. It keeps a square-ish place at the
// edit's right edge whatever the edit's size, keeps the edit's text clear of it, never takes the
// focus, and is clicked from the keyboard by Alt+Down or F4 in the edit.
class TrailingButton : public QToolButton {
    Q_OBJECT
public:
    TrailingButton(QLineEdit* edit, ButtonGlyph glyph);

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    QLineEdit* edit_;
    ButtonGlyph glyph_;
};

} // namespace qv::ui
