#include "fPostmark.h"

#include "DateEdit.h"
#include "InterestMonths.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qv::ui {

TfrmPostmark::TfrmPostmark(const InterestDates& dates, const RegionalSettings& regional, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle("Interest Calculation");
    eDueDate = new DateEdit(this);
    eDueDate->setObjectName("eDueDate");
    ePostMark = new DateEdit(this);
    ePostMark->setObjectName("ePostMark");
    for (DateEdit* e : {eDueDate, ePostMark})
        e->setRegional(regional);
    eMonths = new QSpinBox(this);
    eMonths->setObjectName("eMonths");
    eMonths->setRange(kInterestMonthsMin, kInterestMonthsMax);
    eMonths->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    eMonths->setAlignment(Qt::AlignRight);

    btnOK = new QPushButton("OK", this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setObjectName("btnCancel");

    auto* layout = new QVBoxLayout(this);
    const std::pair<const char*, QWidget*> rows[] = {
        {"Enter Due Date", eDueDate}, {"Enter Postmark Date", ePostMark}, {"Months Calculated", eMonths}};
    for (const auto& [caption, field] : rows) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        layout->addWidget(label);
        layout->addWidget(field);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // A date typed (or picked from the calendar) changes the months at once.
    connect(eDueDate, &QLineEdit::textChanged, this, &TfrmPostmark::DateChanged);
    connect(ePostMark, &QLineEdit::textChanged, this, &TfrmPostmark::DateChanged);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    eDueDate->setDate(dates.DueDate);
    ePostMark->setDate(dates.Postmark);
    DateChanged();
}

void TfrmPostmark::DateChanged() {
    eMonths->setValue(ClampInterestMonths(MonthsBetween(ePostMark->date(), eDueDate->date())));
}

InterestDates TfrmPostmark::Dates() const {
    eMonths->interpretText();
    return InterestDates{eDueDate->date(), ePostMark->date(), eMonths->value()};
}

bool EditInterest(InterestDates& dates, const RegionalSettings& regional, QWidget* parent) {
    TfrmPostmark dialog(dates, regional, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dates = dialog.Dates();
    return true;
}

} // namespace qv::ui
