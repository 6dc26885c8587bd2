#pragma once

#include <QDialog>

class QVBoxLayout;
class QWidget;

namespace qv::ui {

// The common frame of the schedule dialogs: a dialog with the buttons in a panel on the right,
// pnlControls (91 pixels wide), and the grid or the fields in pnlForm, which fills the rest inside a
// 16-pixel border.
class TfrmGenrForm : public QDialog {
public:
    explicit TfrmGenrForm(QWidget* parent = nullptr);

protected:
    QWidget* pnlControls;
    QWidget* pnlForm;
    // The buttons of pnlControls, from the top.
    QVBoxLayout* ControlsLayout() const { return controls_; }

private:
    QVBoxLayout* controls_;
};

} // namespace qv::ui
