#include "GenrEdit.h"

#include "Codepage1252.h"
#include "Error.h"
#include "MaskEdit.h"
#include "ScheduleTableModel.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace qv::ui {

TfrmGenrEdit::TfrmGenrEdit(ScheduleTable& table, Prompts& prompts, const RegionalSettings& regional,
                           QWidget* parent)
    : TfrmGenrForm(parent), table_(table), prompts_(prompts), regional_(regional) {
    fields_ = new QGridLayout(pnlForm);
    fields_->setContentsMargins(0, 0, 0, 0);
    fields_->setVerticalSpacing(4);
    fields_->setColumnStretch(1, 1);

    btnOK = new QPushButton("OK", pnlControls);
    btnOK->setObjectName("btnOK");
    btnCancel = new QPushButton("Cancel", pnlControls);
    btnCancel->setObjectName("btnCancel");
    for (QPushButton* b : {btnOK, btnCancel}) {
        // Neither answers Enter or Escape; and a click does not take the focus from the field,
        // whose text the closing hands to the row (or, for Cancel, drops).
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        ControlsLayout()->addWidget(b);
    }
    ControlsLayout()->addStretch();
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* TfrmGenrEdit::AddField(const char* objectName, const QString& label, const char* field) {
    const int row = fields_->rowCount();
    const int column = table_.ColumnIndex(field);
    const ColumnDef& def = table_.Columns()[static_cast<size_t>(column)];
    QLineEdit* edit = nullptr;
    if (def.Type == ColumnType::String && !def.EditMask.empty()) {
        edit = new MaskEdit(QString::fromStdString(def.EditMask), pnlForm);
    } else {
        edit = new QLineEdit(pnlForm);
        if (def.Type != ColumnType::String)
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        else if (def.Size > 0)
            edit->setMaxLength(def.Size);
    }
    edit->setObjectName(objectName);
    auto* caption = new QLabel(label, pnlForm);
    caption->setBuddy(edit);
    fields_->addWidget(caption, row, 0);
    fields_->addWidget(edit, row, 1);
    edit->installEventFilter(this);
    fieldList_.push_back(Field{edit, column});
    connect(edit, &QLineEdit::textChanged, this, [this, edit] {
        if (Field* f = FieldOf(edit))
            eDescChange(*f);
    });
    if (fieldList_.size() > 1)
        setTabOrder(fieldList_[fieldList_.size() - 2].Edit, edit);
    setTabOrder(edit, btnOK);
    setTabOrder(btnOK, btnCancel);
    return edit;
}

TfrmGenrEdit::Field* TfrmGenrEdit::FieldOf(QObject* edit) {
    for (Field& f : fieldList_)
        if (f.Edit == edit)
            return &f;
    return nullptr;
}

void TfrmGenrEdit::LoadField(Field& field) {
    loading_ = true;
    const QString text = EditText(table_, field.Column, regional_);
    if (auto* masked = dynamic_cast<MaskEdit*>(field.Edit))
        masked->setStoredText(text);
    else
        field.Edit->setText(text);
    field.Edit->setCursorPosition(0);
    loading_ = false;
    field.Changed = false;
}

void TfrmGenrEdit::eDescChange(Field& field) {
    if (loading_)
        return;
    field.Changed = true;
    modified_ = true;
}

void TfrmGenrEdit::showEvent(QShowEvent* event) {
    TfrmGenrForm::showEvent(event);
    FormActivate();
}

void TfrmGenrEdit::FormActivate() {
    for (Field& f : fieldList_)
        LoadField(f);
    modified_ = false;
    if (!fieldList_.empty())
        fieldList_.front().Edit->setFocus(Qt::OtherFocusReason);
}

bool TfrmGenrEdit::HandOver(Field& field) {
    if (!field.Changed)
        return true;
    const ColumnDef& def = table_.Columns()[static_cast<size_t>(field.Column)];
    auto* masked = dynamic_cast<MaskEdit*>(field.Edit);
    QString text = masked ? masked->storedText() : field.Edit->text();
    if (def.Type != ColumnType::String && regional_.DecimalSeparator != '.')
        text.replace(QChar::fromLatin1(regional_.DecimalSeparator), QChar('.'));
    try {
        table_.SetText(field.Column, Utf8ToCp1252(text.toStdString()));
    } catch (const Error& e) {
        handingOver_ = true;
        prompts_.Error(e.what());
        field.Edit->setFocus(Qt::OtherFocusReason);
        field.Edit->selectAll();
        handingOver_ = false;
        return false;
    }
    // The field shows the value as the row now holds it ("1500" becomes "1500.00").
    const bool wasModified = modified_;
    LoadField(field);
    modified_ = wasModified;
    return true;
}

bool TfrmGenrEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !handingOver_) {
        // Only the user leaving the field hands it over; focus lost to a message box or another
        // window comes back unchanged.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            if (Field* f = FieldOf(watched))
                HandOver(*f);
    }
    return TfrmGenrForm::eventFilter(watched, event);
}

void TfrmGenrEdit::done(int result) {
    // Cancel keeps nothing of the fields, so only OK hands them over (and a refused text keeps the
    // dialog open, its field focused).
    if (result == Accepted)
        for (Field& f : fieldList_)
            if (!HandOver(f))
                return;
    if (!modified_)
        result = Rejected;
    modified_ = false;
    TfrmGenrForm::done(result);
}

void TfrmGenrEdit::keyPressEvent(QKeyEvent* event) {
    // Escape does not close an edit dialog (nor does Enter accept it).
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    TfrmGenrForm::keyPressEvent(event);
}

} // namespace qv::ui
