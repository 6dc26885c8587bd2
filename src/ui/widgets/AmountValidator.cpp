#include "AmountValidator.h"

namespace qv::ui {

AmountValidator::AmountValidator(QObject* parent) : QValidator(parent) {}

void AmountValidator::setSeparators(QChar group, QChar decimal) {
    group_ = group;
    decimal_ = decimal;
}

QValidator::State AmountValidator::validate(QString& input, int&) const {
    const QString t = input;
    const bool parenthesis = t.startsWith(QLatin1Char('('));
    bool point = false;
    bool closed = false;
    int wholeDigits = 0;
    int digits = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (closed)
            return Invalid;
        if (c.isDigit() && c.unicode() < 128) {
            ++digits;
            if (!point && ++wholeDigits > kMaxWholeDigits)
                return Invalid;
        } else if (c == decimal_) {
            if (point)
                return Invalid;
            point = true;
        } else if (c == group_ || (c.isSpace() && spacesAllowed_)) {
            if (point && !spacesAllowed_)
                return Invalid;
        } else if ((c == QLatin1Char('-') || c == QLatin1Char('(')) && i == 0) {
        } else if (c == QLatin1Char(')') && parenthesis) {
            closed = true;
        } else {
            return Invalid;
        }
    }
    if (digits == 0 && !t.isEmpty())
        return Intermediate;
    return Acceptable;
}

} // namespace qv::ui
