#pragma once

#include "DateValue.h"
#include "RegionalSettings.h"

#include <QDialog>
#include <cstdint>

class QPushButton;
class QSpinBox;

namespace qv::ui {

class DateEdit;

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

    DateEdit* eDueDate;
    DateEdit* ePostMark;
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
