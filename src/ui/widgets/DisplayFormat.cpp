#include "DisplayFormat.h"

#include <QStringList>
#include <algorithm>

namespace qv::ui {

namespace {

// The sections of a format, split at the ";"s that are not inside quotes.
QStringList SplitSections(const QString& format) {
    QStringList sections;
    QString current;
    QChar quote;
    for (QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            sections << current;
            current.clear();
            continue;
        }
        current += c;
    }
    sections << current;
    return sections;
}

} // namespace

DisplayFormat::DisplayFormat(const QString& format) : text_(format) {
    if (format.isEmpty())
        return;
    for (const QString& section : SplitSections(format))
        sections_.push_back(ParseSection(section));
}

DisplayFormat::Section DisplayFormat::ParseSection(const QString& text) {
    Section s;
    bool pointSeen = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            s.items.push_back({c == QLatin1Char('0') ? Item::Kind::Digit : Item::Kind::OptionalDigit, {}});
            ++(pointSeen ? s.decimals : s.wholePlaces);
        } else if (c == QLatin1Char('.')) {
            // Only the first point is the decimal point; later ones mean nothing.
            if (!pointSeen)
                s.items.push_back({Item::Kind::Point, {}});
            pointSeen = true;
        } else if (c == QLatin1Char(',')) {
            s.grouping = true;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype close = text.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? text.size() : close;
            s.items.push_back({Item::Kind::Literal, text.mid(i + 1, end - i - 1)});
            i = end;
        } else {
            s.items.push_back({Item::Kind::Literal, QString(c)});
        }
    }
    return s;
}

int DisplayFormat::decimals() const {
    // Without a format a field holds what Money holds.
    return sections_.empty() ? 4 : sections_.front().decimals;
}

QString DisplayFormat::format(const DecimalNumber& value, QChar group, QChar decimal) const {
    if (sections_.empty()) {
        QString plain = QString::fromStdString(value.RoundedHalfAwayFromZero(4).ToPlain());
        return plain.replace(QLatin1Char('.'), decimal);
    }
    const Section* section = &sections_[0];
    bool minus = false;
    if (value.Negative && sections_.size() > 1 && !sections_[1].items.empty())
        section = &sections_[1];
    else if (value.Negative)
        minus = true;
    DecimalNumber magnitude = value.RoundedHalfAwayFromZero(section->decimals);
    if (magnitude.IsZero()) {
        // An amount that shows as zero shows as zero, not as a negative zero.
        section = sections_.size() > 2 && !sections_[2].items.empty() ? &sections_[2] : &sections_[0];
        magnitude = value.RoundedHalfAwayFromZero(section->decimals);
        minus = false;
    }
    magnitude.Negative = false;
    QString shown = FormatSection(*section, magnitude, group, decimal);
    return minus ? QLatin1Char('-') + shown : shown;
}

QString DisplayFormat::FormatSection(const Section& section, const DecimalNumber& magnitude, QChar group,
                                     QChar decimal) {
    const std::string& whole = magnitude.Whole;
    const int length = static_cast<int>(whole.size());
    std::string fraction = magnitude.Fraction;
    fraction.resize(static_cast<size_t>(section.decimals), '0');

    QString out;
    // The digit of a place (0 = units), with the group separator that follows it.
    auto emitDigit = [&](int place) {
        out += QLatin1Char(whole[static_cast<size_t>(length - 1 - place)]);
        if (section.grouping && place > 0 && place % 3 == 0)
            out += group;
    };
    auto emitWholeFrom = [&](int firstPlace) {
        for (int place = length - 1; place >= firstPlace; --place)
            emitDigit(place);
    };
    // "#" places after the point show only up to the last significant digit.
    size_t lastSignificant = fraction.find_last_not_of('0');
    int shownFraction = lastSignificant == std::string::npos ? 0 : static_cast<int>(lastSignificant) + 1;
    {
        int index = 0;
        bool afterPoint = false;
        for (const Item& item : section.items) {
            if (item.kind == Item::Kind::Point)
                afterPoint = true;
            else if (afterPoint && item.kind != Item::Kind::Literal) {
                if (item.kind == Item::Kind::Digit)
                    shownFraction = std::max(shownFraction, index + 1);
                ++index;
            }
        }
    }

    int place = section.wholePlaces - 1;
    int fractionIndex = 0;
    bool afterPoint = false;
    bool wholeDone = section.wholePlaces > 0;
    for (const Item& item : section.items) {
        switch (item.kind) {
        case Item::Kind::Literal:
            out += item.literal;
            break;
        case Item::Kind::Point:
            if (!wholeDone) {
                emitWholeFrom(0);
                wholeDone = true;
            }
            afterPoint = true;
            if (shownFraction > 0)
                out += decimal;
            break;
        case Item::Kind::Digit:
        case Item::Kind::OptionalDigit:
            if (afterPoint) {
                if (fractionIndex < shownFraction)
                    out += QLatin1Char(fraction[static_cast<size_t>(fractionIndex)]);
                ++fractionIndex;
                break;
            }
            if (place == section.wholePlaces - 1)
                emitWholeFrom(section.wholePlaces);
            if (place < length)
                emitDigit(place);
            else if (item.kind == Item::Kind::Digit)
                out += QLatin1Char('0');
            --place;
            break;
        }
    }
    if (!wholeDone)
        emitWholeFrom(0);
    return out;
}

std::optional<DecimalNumber> DisplayFormat::parse(const QString& text, QChar group, QChar decimal) {
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')'))) {
        negative = true;
        t = t.mid(1, t.size() - 2);
    } else if (t.startsWith(QLatin1Char('('))) {
        // Typing "(75" is on its way to "(75)".
        negative = true;
        t = t.mid(1);
    } else if (t.startsWith(QLatin1Char('-'))) {
        negative = true;
        t = t.mid(1);
    }
    std::string plain = negative ? "-" : "";
    bool point = false;
    bool digits = false;
    for (QChar c : t) {
        if (c.isDigit() && c.unicode() < 128) {
            plain += static_cast<char>(c.unicode());
            digits = true;
        } else if (c == decimal && !point) {
            plain += '.';
            point = true;
        } else if (c != group && !c.isSpace()) {
            return std::nullopt;
        }
    }
    if (!digits)
        return t.trimmed().isEmpty() && !negative ? std::optional(DecimalNumber()) : std::nullopt;
    return DecimalNumber::FromPlain(plain);
}

} // namespace qv::ui
