#pragma once

#include "RegionalSettings.h"

#include <QLineEdit>

// moc of Qt 6.4 cannot read the standard library's <compare>, which Money.h needs; it needs none of
// these to do its work.
#ifndef Q_MOC_RUN
#include "DecimalNumber.h"
#include "DisplayFormat.h"
#include "Money.h"
#endif

namespace qv::ui {

class AmountValidator;

// An amount field of the form pages. It holds its amount as the text it shows, so the display
// format fixes the precision of what is read back: money() of a field showing "1,234.50" is exactly
// 1234.50. While the user types, the text is what they type; when they leave the field (or press
// Enter) it is shown again in the display format.
class NumericEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class FormatChange {
        Keep,         // re-show the amount in the new format (halves away from zero)
        RoundHalfEven // first round the amount to the new decimals, halves to even
    };

    explicit NumericEdit(QWidget* parent = nullptr);

    void setDisplayFormat(const QString& format, FormatChange change = FormatChange::Keep);
    QString displayFormat() const { return format_.text(); }
    void setWholeNumbersOnly(bool wholeOnly);
    bool wholeNumbersOnly() const { return wholeOnly_; }
    void setRegional(const RegionalSettings& regional);
    const RegionalSettings& regional() const { return regional_; }

    // The amount shown (what the text will show once re-formatted, while the user is typing), x 10,000
    // with halves to even; an empty text is 0.
    Money money() const;
    void setMoney(Money amount);
    double value() const;
    void setValue(double value);
    int intValue() const;
    void setIntValue(int value);

    // The amount as an exact decimal, rounded to the decimals shown.
    DecimalNumber amount() const;
    void setAmount(const DecimalNumber& amount);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void reformat();
    // The text as typed or shown, exactly; nullopt when it is not an amount.
    std::optional<DecimalNumber> parsedText() const;
    QChar groupChar() const;
    QChar decimalChar() const;

    DisplayFormat format_;
    RegionalSettings regional_;
    bool wholeOnly_ = false;
    AmountValidator* validator_;
};

} // namespace qv::ui
