#pragma once

#include "DecimalNumber.h"

#include <QChar>
#include <QString>
#include <optional>
#include <vector>

namespace qv::ui {

// A display format of the amount fields, the picture language of the page design:
// "0" a digit that always shows, "#" a digit that shows only when significant, "," (anywhere before
// the point) thousands grouping, the first "." the decimal point, text in quotes and every other
// character shown as it is (the spaces of ",0 .0  0" spread the cents over the form's boxes).
// Up to three sections separated by ";": positive, negative (shown without a minus sign, so
// "(,0.00)" gives parentheses), zero. Without a negative section a negative amount gets a leading "-".
// Whole digits fill the digit places from the right; digits beyond the places go to the leftmost one.
class DisplayFormat {
public:
    explicit DisplayFormat(const QString& format = QString());

    const QString& text() const { return text_; }
    // The decimal places the positive section shows: the precision of the amount a field holds.
    int decimals() const;
    bool showsSpaces() const { return text_.contains(QLatin1Char(' ')); }

    // The value rounded halves away from zero to the decimals of its section, in the picture.
    QString format(const DecimalNumber& value, QChar groupSeparator, QChar decimalSeparator) const;

    // Reads what a field shows or what a user types: digits, one decimal separator, grouping
    // characters and spaces anywhere, a leading "-" or parentheses around the amount for a negative
    // one. Empty text is 0; anything else gives nullopt.
    static std::optional<DecimalNumber> parse(const QString& text, QChar groupSeparator,
                                              QChar decimalSeparator);

private:
    struct Item {
        enum class Kind { Digit, OptionalDigit, Point, Literal };
        Kind kind;
        QString literal;
    };
    struct Section {
        std::vector<Item> items;
        bool grouping = false;
        int wholePlaces = 0;
        int decimals = 0;
    };

    static Section ParseSection(const QString& section);
    static QString FormatSection(const Section& section, const DecimalNumber& magnitude, QChar group,
                                 QChar decimal);

    QString text_;
    std::vector<Section> sections_;
};

} // namespace qv::ui
