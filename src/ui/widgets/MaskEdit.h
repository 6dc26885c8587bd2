#pragma once

#include "EditMask.h"

#include <QLineEdit>

namespace qv::ui {

// A masked edit for the identification numbers and phone numbers of the return. The record keeps
// what the mask returns: the literals, and a space for every position left blank, so an untouched
// FEIN is "  -       " and a filled one "73-1234567". Blanks show as "_".
//
// The `text` property (and text() called on a MaskEdit) gives that stored form; QLineEdit::text()
// itself would drop the blanks.
class MaskEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString text READ storedText WRITE setStoredText USER true)
public:
    enum class Mask { Fein, Ssn, Phone };

    explicit MaskEdit(Mask mask, QWidget* parent = nullptr);
    // Any mask in the notation of EditMask, such as the table fields' "00\-0000000;1;_".
    explicit MaskEdit(const QString& editMask, QWidget* parent = nullptr);

    // The masks of the return's fields.
    static QString editMaskOf(Mask mask);

    QString storedText() const;
    // Shows a stored value; an empty text shows the blank mask.
    void setStoredText(const QString& stored);
    QString text() const { return storedText(); }
    const EditMask& editMask() const { return mask_; }

private:
    EditMask mask_;
};

} // namespace qv::ui
