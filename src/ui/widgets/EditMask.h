#pragma once

#include <QString>
#include <vector>

namespace qv::ui {

// An edit mask in the notation the record and table definitions give: "mask;save literals;blank",
// for instance "99\-9999999;1;_". Mask characters: "0" a digit that must be typed, "9" a digit that
// may be left blank, "#" a digit or sign, "L"/"l" a letter, "A"/"a" a letter or digit, "C"/"c" any
// character (upper case required, lower case optional), ">" and "<" case conversion, "!" (blanks
// kept in front) and "\" (the next character is a literal); any other character is a literal.
// Stored values keep the literals when "save literals" is 1 and hold a space for every blank.
class EditMask {
public:
    explicit EditMask(const QString& mask);

    // The same mask in QLineEdit::setInputMask's notation, with its blank character.
    const QString& qtInputMask() const { return qtMask_; }
    QChar blank() const { return blank_; }
    bool savesLiterals() const { return saveLiterals_; }
    // The stored text of an untouched field: "  -       " for the FEIN mask.
    QString emptyStoredText() const;

    // The stored text of what a masked QLineEdit displays (blanks shown as the blank character).
    QString storedFromDisplayed(const QString& displayed) const;
    // What to give QLineEdit::setText for a stored text, blanks as the blank character.
    QString displayedFromStored(const QString& stored) const;

private:
    struct Position {
        bool literal;
        QChar c; // the literal, or the Qt mask character
    };
    std::vector<Position> positions_;
    QString qtMask_;
    QChar blank_ = QLatin1Char('_');
    bool saveLiterals_ = true;
};

} // namespace qv::ui
