#pragma once

#include "DateValue.h"
#include "RegionalSettings.h"

#include <QDialog>
#include <QLineEdit>
#include <cstdint>
#include <functional>

class QPushButton;
class QSpinBox;

namespace qv::ui {

// A date typed in the user's short date format ("4/15/2009"); an empty field is no date (0). The
// date changes when the text becomes a whole date or is cleared; a text that is not yet a date
// leaves the last date.
class DateField : public QLineEdit {
public:
    DateField(const RegionalSettings& regional, QWidget* parent = nullptr);
    DateValue Date() const { return date_; }
    void SetDate(DateValue date);
    // Called with the new date whenever it changes.
    std::function<void()> DateChanged;

private:
    void TextChanged(const QString& text);
    QString format_;
    DateValue date_ = 0;
};

// The dates the interest dialog edits: the return's due date and postmark date, and the months of
// late-payment interest they give.
struct InterestDates {
    DateValue DueDate = 0;
    DateValue Postmark = 0;
    int32_t Months = 0;
};

// The interest calculation dialog: due date and postmark date, and the months between them, which
// follow every change of either date and which the user may still set by hand (-12 to 100).
class TfrmPostmark : public QDialog {
public:
    TfrmPostmark(const InterestDates& dates, const RegionalSettings& regional, QWidget* parent = nullptr);

    // The dates and months as the dialog shows them.
    InterestDates Dates() const;

    DateField* eDueDate;
    DateField* ePostMark;
    QSpinBox* eMonths;
    QPushButton* btnOK;
    QPushButton* btnCancel;

private:
    void DateChanged();
};

// Runs the interest dialog on the return's dates. OK: true, and dates takes the due date, the
// postmark and the months shown (a hand-set count is the one kept). Cancel changes nothing. The
// caller then runs the recalculation cycle twice, so that a penalty following line 12 sees the new
// interest.
bool EditInterest(InterestDates& dates, const RegionalSettings& regional, QWidget* parent);

} // namespace qv::ui
