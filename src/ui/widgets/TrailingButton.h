#pragma once

#include <QToolButton>

class QLineEdit;

namespace qv::ui {

// The button inside the right end of a date or button edit. It keeps a square-ish place at the
// edit's right edge whatever the edit's size, keeps the edit's text clear of it, never takes the
// focus, and is clicked from the keyboard by Alt+Down or F4 in the edit.
class TrailingButton : public QToolButton {
    Q_OBJECT
public:
    enum class Glyph { DropDown, Ellipsis };

    TrailingButton(QLineEdit* edit, Glyph glyph);

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    QLineEdit* edit_;
    Glyph glyph_;
};

} // namespace qv::ui
