#include "fPostmark.h"

#include "InterestMonths.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qv::ui {

namespace {

// "m/d/yyyy" of the regional settings as a Qt date format ("M/d/yyyy") with the user's separator.
QString QtDateFormat(const RegionalSettings& regional) {
    QString out;
    for (char c : regional.ShortDateFormat)
        out += c == 'm'   ? QChar('M')
               : c == '/' ? QChar::fromLatin1(regional.DateSeparator)
                          : QChar::fromLatin1(c);
    return out;
}

} // namespace

DateField::DateField(const RegionalSettings& regional, QWidget* parent)
    : QLineEdit(parent), format_(QtDateFormat(regional)) {
    connect(this, &QLineEdit::textChanged, this, &DateField::TextChanged);
}

void DateField::SetDate(DateValue date) {
    if (date == 0) {
        setText(QString());
        return;
    }
    const CivilDate d = DecodeDate(date);
    setText(QDate(d.Year, d.Month, d.Day).toString(format_));
}

void DateField::TextChanged(const QString& text) {
    DateValue date = 0;
    if (!text.trimmed().isEmpty()) {
        const QDate d = QDate::fromString(text.trimmed(), format_);
        if (!d.isValid())
            return;
        date = EncodeDate(d.year(), d.month(), d.day());
    }
    if (date == date_)
        return;
    date_ = date;
    if (DateChanged)
        DateChanged();
}

TfrmPostmark::TfrmPostmark(const InterestDates& dates, const RegionalSettings& regional, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle("Interest Calculation");
    eDueDate = new DateField(regional, this);
    eDueDate->setObjectName("eDueDate");
    ePostMark = new DateField(regional, this);
    ePostMark->setObjectName("ePostMark");
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

    eDueDate->DateChanged = [this] { DateChanged(); };
    ePostMark->DateChanged = [this] { DateChanged(); };
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    eDueDate->SetDate(dates.DueDate);
    ePostMark->SetDate(dates.Postmark);
    DateChanged();
}

void TfrmPostmark::DateChanged() {
    eMonths->setValue(ClampInterestMonths(MonthsBetween(ePostMark->Date(), eDueDate->Date())));
}

InterestDates TfrmPostmark::Dates() const {
    eMonths->interpretText();
    return InterestDates{eDueDate->Date(), ePostMark->Date(), eMonths->value()};
}

bool EditInterest(InterestDates& dates, const RegionalSettings& regional, QWidget* parent) {
    TfrmPostmark dialog(dates, regional, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dates = dialog.Dates();
    return true;
}

} // namespace qv::ui
