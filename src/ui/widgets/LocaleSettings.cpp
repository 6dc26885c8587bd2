#include "LocaleSettings.h"

#include "Codepage1252.h"

#include <QString>
#include <array>

namespace qv::ui {

namespace {

// One character of a locale in the single-byte code page of the record texts.
char ByteOf(const QString& text, char fallback) {
    if (text.isEmpty())
        return fallback;
    const QChar c = text.front();
    if (c.isSpace() && c.unicode() != ' ')
        return '\xA0';
    const char byte = UnicodeToCp1252(c.unicode());
    return byte == '?' && c != QLatin1Char('?') ? fallback : byte;
}

std::string Cp1252Of(const QString& text) {
    return Utf16ToCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                             static_cast<size_t>(text.size())));
}

// Qt's pattern letters in the pattern language of the regional settings: d, dd, m, mm, yyyy and "/"
// for the date separator. Day and month names have no place in a short date that is typed.
void ConvertShortDate(const QString& qtFormat, RegionalSettings& regional) {
    std::string pattern;
    QChar separator;
    for (qsizetype i = 0; i < qtFormat.size();) {
        const QChar c = qtFormat[i];
        qsizetype run = 1;
        while (i + run < qtFormat.size() && qtFormat[i + run] == c)
            ++run;
        if (c == QLatin1Char('d')) {
            pattern += run == 2 ? "dd" : "d";
        } else if (c == QLatin1Char('M')) {
            pattern += run == 1 ? "m" : "mm";
        } else if (c == QLatin1Char('y')) {
            pattern += "yyyy";
        } else if (c == QLatin1Char('\'')) {
            const qsizetype close = qtFormat.indexOf(QLatin1Char('\''), i + 1);
            const qsizetype end = close < 0 ? qtFormat.size() : close;
            pattern += '"' + Cp1252Of(qtFormat.mid(i + 1, end - i - 1)) + '"';
            i = end + 1;
            continue;
        } else {
            if (separator.isNull() && !c.isSpace())
                separator = c;
            for (qsizetype k = 0; k < run; ++k)
                pattern += c == separator ? std::string("/") : Cp1252Of(QString(c));
        }
        i += run;
    }
    regional.ShortDateFormat = pattern;
    regional.DateSeparator = ByteOf(separator.isNull() ? QString() : QString(separator), '/');
}

// The layout of a currency text with "$" for the symbol, "1" for the amount, "-" for the sign and
// " " for any space; marks of writing direction dropped.
QString CurrencyShape(QString text, const QLocale& locale, const QString& symbol) {
    text.replace(symbol, QStringLiteral("$"));
    text.replace(locale.negativeSign(), QStringLiteral("-"));
    text.replace(QChar(0x2212), QLatin1Char('-'));
    QString shape;
    for (QChar c : text) {
        if (c.category() == QChar::Other_Format)
            continue;
        shape += c.isSpace() ? QChar(QLatin1Char(' ')) : c;
    }
    return shape;
}

void ConvertCurrency(const QLocale& locale, RegionalSettings& regional) {
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    if (!symbol.isEmpty())
        regional.CurrencyString = Cp1252Of(symbol);

    static constexpr std::array<const char*, 4> kPositive = {"$1", "1$", "$ 1", "1 $"};
    static constexpr std::array<const char*, 16> kNegative = {"($1)", "-$1",  "$-1",   "$1-",  "(1$)", "-1$",
                                                              "1-$",  "1$-",  "-1 $",  "-$ 1", "1 $-", "$ 1-",
                                                              "$ -1", "1- $", "($ 1)", "(1 $)"};
    const QString positive = CurrencyShape(locale.toCurrencyString(1.0, symbol, 0), locale, symbol);
    const QString negative = CurrencyShape(locale.toCurrencyString(-1.0, symbol, 0), locale, symbol);
    for (size_t i = 0; i < kPositive.size(); ++i)
        if (positive == QLatin1String(kPositive[i]))
            regional.CurrencyFormat = static_cast<int>(i);
    // A negative layout outside the list takes the minus in front of the positive layout.
    static constexpr std::array<int, 4> kMinusInFront = {1, 5, 9, 8};
    regional.NegativeCurrencyFormat = kMinusInFront[static_cast<size_t>(regional.CurrencyFormat)];
    for (size_t i = 0; i < kNegative.size(); ++i)
        if (negative == QLatin1String(kNegative[i]))
            regional.NegativeCurrencyFormat = static_cast<int>(i);

    const QString withCents = locale.toCurrencyString(1.0, symbol);
    const qsizetype point = withCents.indexOf(locale.decimalPoint());
    int decimals = 0;
    for (qsizetype i = point + 1; point >= 0 && i < withCents.size() && withCents[i].isDigit(); ++i)
        ++decimals;
    regional.CurrencyDecimals = decimals;
}

} // namespace

RegionalSettings RegionalSettingsFromLocale(const QLocale& locale) {
    RegionalSettings regional;
    // The C locale means United States conventions.
    if (locale.language() == QLocale::C)
        return regional;
    ConvertShortDate(locale.dateFormat(QLocale::ShortFormat), regional);
    regional.ThousandSeparator = ByteOf(locale.groupSeparator(), ',');
    regional.DecimalSeparator = ByteOf(locale.decimalPoint(), '.');
    ConvertCurrency(locale, regional);
    return regional;
}

} // namespace qv::ui
