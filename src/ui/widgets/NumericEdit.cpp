#include "NumericEdit.h"

#include "AmountValidator.h"
#include "Codepage1252.h"
#include "FormStyle.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace qv::ui {

NumericEdit::NumericEdit(QWidget* parent)
    : QLineEdit(parent), format_(QStringLiteral(",0.00;(,0.00)")), validator_(new AmountValidator(this)) {
    ApplyFieldStyle(this);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    validator_->setSeparators(groupChar(), decimalChar());
    setValidator(validator_);
    connect(this, &QLineEdit::editingFinished, this, &NumericEdit::reformat);
    setAmount(DecimalNumber());
}

QChar NumericEdit::groupChar() const {
    return QChar(
        static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(regional_.ThousandSeparator))));
}

QChar NumericEdit::decimalChar() const {
    return QChar(
        static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(regional_.DecimalSeparator))));
}

void NumericEdit::setDisplayFormat(const QString& format, FormatChange change) {
    DecimalNumber held = parsedText().value_or(DecimalNumber());
    format_ = DisplayFormat(format);
    validator_->setSpacesAllowed(format_.showsSpaces());
    if (change == FormatChange::RoundHalfEven)
        held = held.RoundedHalfEven(format_.decimals());
    setAmount(held);
}

void NumericEdit::setWholeNumbersOnly(bool wholeOnly) {
    wholeOnly_ = wholeOnly;
}

void NumericEdit::setRegional(const RegionalSettings& regional) {
    const DecimalNumber held = parsedText().value_or(DecimalNumber());
    regional_ = regional;
    validator_->setSeparators(groupChar(), decimalChar());
    setAmount(held);
}

std::optional<DecimalNumber> NumericEdit::parsedText() const {
    return DisplayFormat::parse(text(), groupChar(), decimalChar());
}

DecimalNumber NumericEdit::amount() const {
    return parsedText().value_or(DecimalNumber()).RoundedHalfAwayFromZero(format_.decimals());
}

void NumericEdit::setAmount(const DecimalNumber& amount) {
    const QString shown = format_.format(amount, groupChar(), decimalChar());
    if (shown != text())
        setText(shown);
}

Money NumericEdit::money() const {
    return amount().ToMoney();
}

void NumericEdit::setMoney(Money amount) {
    setAmount(DecimalNumber::FromMoney(amount));
}

double NumericEdit::value() const {
    return amount().ToDouble();
}

void NumericEdit::setValue(double value) {
    setAmount(DecimalNumber::FromDouble(value));
}

int NumericEdit::intValue() const {
    return amount().ToInt();
}

void NumericEdit::setIntValue(int value) {
    setAmount(DecimalNumber::FromInt(value));
}

void NumericEdit::reformat() {
    setAmount(amount());
}

void NumericEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu takes the focus for a moment; the user is still editing.
    if (event->reason() != Qt::PopupFocusReason)
        reformat();
}

void NumericEdit::keyPressEvent(QKeyEvent* event) {
    // The keypad's decimal key types the locale's decimal separator, whatever it prints.
    if ((event->modifiers() & Qt::KeypadModifier) &&
        (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma)) {
        if (!wholeOnly_)
            insert(QString(decimalChar()));
        return;
    }
    // A whole-number field refuses the decimal separator as it is typed; an amount pasted with
    // decimals is rounded when the field is left, like one shown from the record.
    if (wholeOnly_ && event->text() == QString(decimalChar()))
        return;
    QLineEdit::keyPressEvent(event);
}

} // namespace qv::ui
