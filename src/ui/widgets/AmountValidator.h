#pragma once

#include <QValidator>

namespace qv::ui {

// What an amount field lets the user type: digits, one decimal separator, grouping characters, and
// a leading minus or opening parenthesis for a negative amount (the shown form "(75.00)" stays
// editable). Whole parts are kept within what Money can hold.
class AmountValidator : public QValidator {
public:
    explicit AmountValidator(QObject* parent = nullptr);

    void setSeparators(QChar group, QChar decimal);
    // Spaces belong to the digit-spaced formats; elsewhere they are refused.
    void setSpacesAllowed(bool allowed) { spacesAllowed_ = allowed; }

    State validate(QString& input, int& pos) const override;

    // Whole digits an amount may have: Money reaches 922,337,203,685,477.
    static constexpr int kMaxWholeDigits = 14;

private:
    QChar group_ = QLatin1Char(',');
    QChar decimal_ = QLatin1Char('.');
    bool spacesAllowed_ = false;
};

} // namespace qv::ui
