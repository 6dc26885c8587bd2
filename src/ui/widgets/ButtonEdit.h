#pragma once

#include <QLineEdit>

class QToolButton;

namespace qv::ui {

// A text edit with a button in its right end (objectName "button"), for fields filled in through
// a dialog such as the reporting period. The button is clicked by the mouse, or by Alt+Down or F4
// in the edit; either way buttonClicked() is emitted.
class ButtonEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ButtonEdit(QWidget* parent = nullptr);

    QToolButton* button() const { return button_; }

signals:
    void buttonClicked();

private:
    QToolButton* button_;
};

} // namespace qv::ui
