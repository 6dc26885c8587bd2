#include "GenrForm.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace qv::ui {

TfrmGenrForm::TfrmGenrForm(QWidget* parent) : QDialog(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    pnlForm = new QWidget(this);
    pnlForm->setObjectName("pnlForm");
    pnlForm->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(pnlForm, 1);

    pnlControls = new QWidget(this);
    pnlControls->setObjectName("pnlControls");
    pnlControls->setFixedWidth(91);
    controls_ = new QVBoxLayout(pnlControls);
    controls_->setContentsMargins(8, 16, 8, 16);
    controls_->setSpacing(8);
    layout->addWidget(pnlControls);
}

} // namespace qv::ui
