#include "fOptions.h"

#include "Settings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::ui {

TfrmOptions::TfrmOptions(Settings& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
    setObjectName("frmOptions");
    setWindowTitle("Options");
    combine_ = new QCheckBox("Combine Balance Sheet Schedules", this);
    combine_->setObjectName("cbCombineBSSchedules");
    wholeDollars_ = new QCheckBox("Enter whole dollars only in currency fields", this);
    wholeDollars_->setObjectName("cbWholeDollars");
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("Button1");
    ok_->setDefault(true);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("Button2");
    connect(ok_, &QPushButton::clicked, this, &TfrmOptions::Button1Click);
    connect(cancel_, &QPushButton::clicked, this, &TfrmOptions::Button2Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(combine_);
    layout->addWidget(wholeDollars_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmOptions::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfrmOptions::FormShow() {
    combine_->setChecked(settings_.ReadBool("CombineSchedules", true));
    wholeDollars_->setChecked(settings_.ReadBool("WholeDollars", false));
    Accepted = false;
}

void TfrmOptions::Button1Click() {
    Accepted = true;
    accept();
}

void TfrmOptions::Button2Click() {
    reject();
}

// Every way of closing passes here: OK, Cancel, Escape and the close box.
void TfrmOptions::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TfrmOptions::FormClose() {
    if (!Accepted)
        return;
    settings_.WriteBool("CombineSchedules", combine_->isChecked());
    settings_.WriteBool("WholeDollars", wholeDollars_->isChecked());
}

} // namespace qv::ui
