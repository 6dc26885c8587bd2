#pragma once

#include "DateValue.h"
#include "RegionalSettings.h"

#include <QLineEdit>
#include <optional>

class QCalendarWidget;
class QFrame;
class QToolButton;

namespace qv::ui {

// A date field that may be empty. It shows the date in the user's short date format and takes a
// date typed in that format; an emptied field is the date 0. A text that is not a date gives way to
// the previous date when the field is left. The button at its right end (objectName "dropDown", or
// Alt+Down / F4) opens a calendar; choosing a day or closing the calendar emits closeUp().
class DateEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr);

    // Whole days since 30 December 1899; 0 when empty. While the user types, the date typed (or the
    // previous date when the text is not one).
    DateValue date() const;
    // 0 empties the field.
    void setDate(DateValue date);
    void setRegional(const RegionalSettings& regional);
    const RegionalSettings& regional() const { return regional_; }

    QToolButton* dropDownButton() const { return button_; }
    // The calendar of the drop-down, made when first asked for.
    QCalendarWidget* calendar();
    bool isCalendarShown() const;
    void showCalendar();
    void hideCalendar();

    // A text in the short date format: numbers for day, month and year in the pattern's order,
    // separated by anything but digits; a year of one or two digits lies within 50 years before
    // the current year or 49 after it. nullopt when it names no real day.
    static std::optional<DateValue> parseDate(const QString& text, const RegionalSettings& regional,
                                              int currentYear);

signals:
    void closeUp();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void commitText();
    void showDate(DateValue date);
    void chooseFromCalendar();

    DateValue date_ = 0;
    RegionalSettings regional_;
    QToolButton* button_;
    QFrame* popup_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
    bool popupOpen_ = false;
};

} // namespace qv::ui
