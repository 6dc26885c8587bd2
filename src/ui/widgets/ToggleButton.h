#pragma once

#include <QAbstractButton>

namespace qv::ui {

// A check box of the paper form: a square box that shows an "X" when checked. Click or Space
// toggles it. Drawn as vectors, so it stays crisp at every page zoom; its size follows the font.
class ToggleButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ToggleButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace qv::ui
