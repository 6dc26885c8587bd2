#pragma once

#include "Prompts.h"
#include "ReportingPeriod.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QPushButton;

namespace qv::ui {

// The reporting period dialog: beginning and ending month and year in four lists, each choice
// setting the other side so that the period spans twelve months. It starts from the years 2009 and
// 2010 and from the beginning month of the control's text.
class TfrmRptPeriod : public QDialog {
public:
    // A text whose first two characters are not a whole number is an error (qv::Error with the
    // conversion message), and no dialog is made.
    TfrmRptPeriod(const QString& periodText, Prompts& prompts, QWidget* parent = nullptr);

    // "07/2009 to 06/2010", the text an accepted dialog gives its control.
    QString PeriodText() const;

    QComboBox* rpBegin;
    QComboBox* rpBeginYear;
    QComboBox* rpEnd;
    QComboBox* rpEndYear;
    QPushButton* btnOK;
    QPushButton* btnCancel;

private:
    void ShowPeriod();
    void OkClick();

    Prompts& prompts_;
    ReportingPeriod period_;
};

// Runs the dialog on the text of a reporting period control (Form 200's or the Min/Max return's):
// true, with the new text in periodText, when the user accepted it. A text the dialog cannot start
// from is reported and changes nothing.
bool EditReportingPeriod(QString& periodText, Prompts& prompts, QWidget* parent);

} // namespace qv::ui
