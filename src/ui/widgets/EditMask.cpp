#include "EditMask.h"

#include <QStringList>

namespace qv::ui {

namespace {

// Characters that mean something in Qt's notation and need a "\" to stand for themselves.
bool SpecialToQt(QChar c) {
    return QStringLiteral("AaNnXx90Dd#HhBb><![]{}\\;").contains(c);
}

QChar QtMaskChar(QChar c) {
    switch (c.unicode()) {
    case '0':
        return QLatin1Char('9'); // digit required
    case '9':
        return QLatin1Char('0'); // digit permitted
    case '#':
        return QLatin1Char('#');
    case 'L':
        return QLatin1Char('A');
    case 'l':
        return QLatin1Char('a');
    case 'A':
        return QLatin1Char('N');
    case 'a':
        return QLatin1Char('n');
    case 'C':
        return QLatin1Char('X');
    case 'c':
        return QLatin1Char('x');
    default:
        return QChar();
    }
}

} // namespace

EditMask::EditMask(const QString& mask) {
    // The last two fields are split off from the right: the mask itself may hold an escaped ";".
    QString pattern = mask;
    QStringList fields;
    for (int i = 0; i < 2; ++i) {
        const qsizetype semicolon = pattern.lastIndexOf(QLatin1Char(';'));
        if (semicolon <= 0 || pattern[semicolon - 1] == QLatin1Char('\\'))
            break;
        fields.prepend(pattern.mid(semicolon + 1));
        pattern.truncate(semicolon);
    }
    if (!fields.isEmpty())
        saveLiterals_ = fields[0].trimmed() != QLatin1String("0");
    if (fields.size() > 1 && !fields[1].isEmpty())
        blank_ = fields[1].front();

    for (qsizetype i = 0; i < pattern.size(); ++i) {
        QChar c = pattern[i];
        if (c == QLatin1Char('!'))
            continue;
        if (c == QLatin1Char('<') && i + 1 < pattern.size() && pattern[i + 1] == QLatin1Char('>')) {
            qtMask_ += QLatin1Char('!'); // "<>": case conversion off
            ++i;
            continue;
        }
        if (c == QLatin1Char('>') || c == QLatin1Char('<')) {
            qtMask_ += c;
            continue;
        }
        bool escaped = false;
        if (c == QLatin1Char('\\') && i + 1 < pattern.size()) {
            c = pattern[++i];
            escaped = true;
        }
        const QChar qt = escaped ? QChar() : QtMaskChar(c);
        if (qt.isNull()) {
            positions_.push_back({true, c});
            qtMask_ += SpecialToQt(c) ? QStringLiteral("\\") + c : QString(c);
        } else {
            positions_.push_back({false, qt});
            qtMask_ += qt;
        }
    }
    qtMask_ += QLatin1Char(';') + QString(blank_);
}

QString EditMask::emptyStoredText() const {
    return storedFromDisplayed(QString());
}

QString EditMask::storedFromDisplayed(const QString& displayed) const {
    QString stored;
    for (size_t i = 0; i < positions_.size(); ++i) {
        const Position& p = positions_[i];
        if (p.literal) {
            if (saveLiterals_)
                stored += p.c;
            continue;
        }
        const qsizetype at = static_cast<qsizetype>(i);
        const QChar c = at < displayed.size() ? displayed[at] : blank_;
        stored += c == blank_ ? QChar(QLatin1Char(' ')) : c;
    }
    return stored;
}

QString EditMask::displayedFromStored(const QString& stored) const {
    QString displayed;
    qsizetype next = 0;
    for (const Position& p : positions_) {
        if (p.literal) {
            displayed += p.c;
            if (saveLiterals_)
                ++next;
            continue;
        }
        const QChar c = next < stored.size() ? stored[next] : QChar(QLatin1Char(' '));
        ++next;
        displayed += c == QLatin1Char(' ') ? blank_ : c;
    }
    return displayed;
}

} // namespace qv::ui
