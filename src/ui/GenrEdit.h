#pragma once

#include "GenrForm.h"
#include "Prompts.h"
#include "RegionalSettings.h"
#include "ScheduleTable.h"

#include <QString>
#include <vector>

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace qv::ui {

// The generic edit dialog of one schedule row. Its fields are bound to the table's pending row (the
// list dialog has appended a row or started a change before the dialog opens): a field hands its
// text to the row when the user leaves it and when the dialog closes. A text the table refuses is
// reported with the table's own message and keeps the focus in its field.
//
// The modified mark: cleared when the dialog opens, set by any change of a field's text. Closing
// with OK keeps the result only when the mark is set, so OK without a change counts as Cancel and
// the list dialog stores nothing.
class TfrmGenrEdit : public TfrmGenrForm {
public:
    TfrmGenrEdit(ScheduleTable& table, Prompts& prompts, const RegionalSettings& regional,
                 QWidget* parent = nullptr);

    bool Modified() const { return modified_; }

    // Closes with the closing rule above; stays open when a field's text is refused.
    void done(int result) override;

protected:
    // A labelled field for a table column, in tab order. Its kind follows the column: a text column
    // with an edit mask is a masked edit (its value keeps the literals and a space per blank), other
    // texts take at most the column's size in characters, and a number is right-aligned and handed
    // to the table as typed, so that the table's own conversion judges it. A label may hold a line
    // break.
    QLineEdit* AddField(const char* objectName, const QString& label, const char* field);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    QPushButton* btnOK;
    QPushButton* btnCancel;

private:
    struct Field {
        QLineEdit* Edit;
        int Column;
        bool Changed = false; // typed into since it last handed its text to the row
    };
    void FormActivate();
    void eDescChange(Field& field);
    void LoadField(Field& field);
    // Writes a changed field's text into the row. False, with the table's message shown and the
    // focus in the field, when the table refuses it.
    bool HandOver(Field& field);
    Field* FieldOf(QObject* edit);

    ScheduleTable& table_;
    Prompts& prompts_;
    RegionalSettings regional_;
    QGridLayout* fields_;
    std::vector<Field> fieldList_;
    bool modified_ = false;
    bool loading_ = false;
    bool handingOver_ = false;
};

} // namespace qv::ui
