#pragma once

#include "PrintRun.h"
#include "Prompts.h"
#include "Settings.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace qv::ui {

// Writes the PDF of the chosen forms in Print Selected's order. The path of the PDF written, or
// nullopt when none was written (the run has told the user why), so that no earlier PDF is opened
// as if it were the new one.
using PrintSelectedRun = std::function<std::optional<std::string>(const FormSelection&)>;

// The print selection dialog: six check boxes, one per form, remembered per user. The boxes are
// read from the settings when the dialog shows and written back whenever it closes, also when it
// is cancelled. Print runs the print and opens the PDF with the desktop's viewer.
class TfrmPrintSelection : public QDialog {
public:
    TfrmPrintSelection(Settings& settings, Prompts& prompts, PrintSelectedRun print,
                       QWidget* parent = nullptr);

    FormSelection Selection() const;
    void done(int result) override;

    QGroupBox* gbForms;
    QCheckBox* cbForm200;
    QCheckBox* cbBS;
    QCheckBox* cbSchedBCD;
    QCheckBox* cbSchedA;
    QCheckBox* cbMinMax;
    QCheckBox* cbRTC;
    QPushButton* btnCheckAll;
    QPushButton* btnUncheckAll;
    QPushButton* btnPrint;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Box {
        QCheckBox* CheckBox;
        const char* Setting;
    };
    void FormShow();
    void FormClose();
    void CheckAll(bool checked);
    void btnPrintClick();

    Settings& settings_;
    Prompts& prompts_;
    PrintSelectedRun print_;
    std::vector<Box> boxes_;
    bool shown_ = false;
};

// Shows the print selection dialog modally, owned by parent, and returns when it has closed.
void RunPrintSelection(Settings& settings, Prompts& prompts, PrintSelectedRun print, QWidget* parent);

} // namespace qv::ui
