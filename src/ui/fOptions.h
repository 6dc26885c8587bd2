#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace qv {
class Settings;
}

namespace qv::ui {

// The Options dialog: whether the balance-sheet schedules share pages in print, and whether amounts
// are entered in whole dollars. Reads both settings when shown and writes them when closed after OK.
class TfrmOptions : public QDialog {
    Q_OBJECT

public:
    explicit TfrmOptions(Settings& settings, QWidget* parent = nullptr);

    // Set by OK; cleared when the dialog is shown.
    bool Accepted = false;

    QCheckBox* cbCombineBSSchedules() const { return combine_; }
    QCheckBox* cbWholeDollars() const { return wholeDollars_; }

    void FormShow();
    void Button1Click();
    void Button2Click();
    void FormClose();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    Settings& settings_;
    QCheckBox* combine_;
    QCheckBox* wholeDollars_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace qv::ui
