#include "DateEdit.h"

#include "Codepage1252.h"
#include "FormStyle.h"
#include "TrailingButton.h"

#include <QCalendarWidget>
#include <QDate>
#include <QFocusEvent>
#include <QFrame>
#include <QVBoxLayout>
#include <cctype>
#include <cmath>
#include <vector>

namespace qv::ui {

namespace {

QDate ToQDate(DateValue date) {
    const CivilDate d = DecodeDate(date);
    return QDate(d.Year, d.Month, d.Day);
}

DateValue FromQDate(const QDate& date) {
    return EncodeDate(date.year(), date.month(), date.day());
}

} // namespace

DateEdit::DateEdit(QWidget* parent)
    : QLineEdit(parent), button_(new TrailingButton(this, ButtonGlyph::DropDown)) {
    ApplyFieldStyle(this);
    button_->setObjectName(QStringLiteral("dropDown"));
    connect(button_, &QToolButton::clicked, this, [this] {
        if (isCalendarShown())
            hideCalendar();
        else
            showCalendar();
    });
    connect(this, &QLineEdit::editingFinished, this, &DateEdit::commitText);
}

std::optional<DateValue> DateEdit::parseDate(const QString& text, const RegionalSettings& regional,
                                             int currentYear) {
    // The order of day, month and year in the pattern; quoted text is no field.
    std::string order;
    bool quoted = false;
    for (char c : regional.ShortDateFormat) {
        if (c == '"' || c == '\'')
            quoted = !quoted;
        const char f = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (!quoted && (f == 'd' || f == 'm' || f == 'y') && order.find(f) == std::string::npos)
            order += f;
    }
    if (order.size() != 3)
        order = "mdy";

    std::vector<QString> numbers;
    QString current;
    for (QChar c : text + QLatin1Char(' ')) {
        if (c.isDigit() && c.unicode() < 128) {
            current += c;
        } else if (!current.isEmpty()) {
            numbers.push_back(current);
            current.clear();
        }
    }
    if (numbers.size() != 3)
        return std::nullopt;
    int day = 0, month = 0, year = 0;
    for (size_t i = 0; i < 3; ++i) {
        if (numbers[i].size() > 4)
            return std::nullopt;
        const int n = numbers[i].toInt();
        if (order[i] == 'd')
            day = n;
        else if (order[i] == 'm')
            month = n;
        else if (numbers[i].size() <= 2) {
            const int pivot = currentYear - 50;
            year = (pivot / 100) * 100 + n;
            if (year < pivot)
                year += 100;
        } else {
            year = n;
        }
    }
    if (!IsValidDate(year, month, day))
        return std::nullopt;
    return EncodeDate(year, month, day);
}

DateValue DateEdit::date() const {
    const QString t = text().trimmed();
    if (t.isEmpty())
        return 0;
    return parseDate(t, regional_, QDate::currentDate().year()).value_or(date_);
}

void DateEdit::setDate(DateValue date) {
    date_ = std::trunc(date);
    showDate(date_);
}

void DateEdit::setRegional(const RegionalSettings& regional) {
    date_ = date();
    regional_ = regional;
    showDate(date_);
}

void DateEdit::showDate(DateValue date) {
    const QString shown =
        date == 0 ? QString() : QString::fromStdString(Cp1252ToUtf8(FormatShortDate(date, regional_)));
    if (shown != text())
        setText(shown);
}

void DateEdit::commitText() {
    date_ = date();
    showDate(date_);
}

void DateEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        commitText();
}

QCalendarWidget* DateEdit::calendar() {
    // Made at the first opening: a page holds dozens of date edits and most never open.
    if (!calendar_) {
        popup_ = new QFrame(this, Qt::Popup);
        popup_->setFrameShape(QFrame::Box);
        calendar_ = new QCalendarWidget(popup_);
        auto* layout = new QVBoxLayout(popup_);
        layout->setContentsMargins(1, 1, 1, 1);
        layout->addWidget(calendar_);
        calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        calendar_->setGridVisible(true);
        popup_->installEventFilter(this);
        connect(calendar_, &QCalendarWidget::clicked, this, &DateEdit::chooseFromCalendar);
        connect(calendar_, &QCalendarWidget::activated, this, &DateEdit::chooseFromCalendar);
    }
    return calendar_;
}

bool DateEdit::isCalendarShown() const {
    return popup_ && popup_->isVisible();
}

void DateEdit::showCalendar() {
    if (isReadOnly())
        return;
    commitText();
    calendar();
    calendar_->setSelectedDate(date_ == 0 ? QDate::currentDate() : ToQDate(date_));
    QPoint below = mapToGlobal(QPoint(0, height()));
    popup_->adjustSize();
    popup_->move(below);
    popupOpen_ = true;
    popup_->show();
    calendar_->setFocus(Qt::PopupFocusReason);
}

void DateEdit::hideCalendar() {
    if (popup_)
        popup_->hide();
}

void DateEdit::chooseFromCalendar() {
    setDate(FromQDate(calendar_->selectedDate()));
    hideCalendar();
}

bool DateEdit::eventFilter(QObject* watched, QEvent* event) {
    if (popup_ && watched == popup_ && event->type() == QEvent::Hide && popupOpen_) {
        popupOpen_ = false;
        emit closeUp();
    }
    return QLineEdit::eventFilter(watched, event);
}

} // namespace qv::ui
