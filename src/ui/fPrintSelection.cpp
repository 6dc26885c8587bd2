#include "fPrintSelection.h"

#include "BusyCursor.h"
#include "Error.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::ui {

namespace {

constexpr const char* kNothingToPrint = "Nothing to print!";

} // namespace

TfrmPrintSelection::TfrmPrintSelection(Settings& settings, Prompts& prompts, PrintSelectedRun print,
                                       QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts), print_(std::move(print)) {
    setWindowTitle("Print Selection");

    gbForms = new QGroupBox("Select forms to print", this);
    gbForms->setObjectName("gbForms");
    auto box = [this](const char* name, const char* caption, const char* setting) {
        auto* b = new QCheckBox(caption, gbForms);
        b->setObjectName(name);
        boxes_.push_back(Box{b, setting});
        return b;
    };
    cbForm200 = box("cbForm200", "Form 200", "PrintForm200");
    cbBS = box("cbBS", "Balance Sheet", "PrintBalanceSheet");
    cbSchedBCD = box("cbSchedBCD", "Schedule BCD", "PrintSchedBCD");
    cbSchedA = box("cbSchedA", "Schedule A", "PrintSchedA");
    cbMinMax = box("cbMinMax", "Min Max Form", "PrintMinMax");
    cbRTC = box("cbRTC", "Request to Change Period (200F)", "PrintRTC");
    auto* grid = new QGridLayout(gbForms);
    grid->addWidget(cbForm200, 0, 0);
    grid->addWidget(cbBS, 1, 0);
    grid->addWidget(cbSchedBCD, 2, 0);
    grid->addWidget(cbSchedA, 3, 0);
    grid->addWidget(cbMinMax, 0, 1);
    grid->addWidget(cbRTC, 1, 1);

    auto button = [this](const char* name, const char* caption, const char* hint) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        if (hint != nullptr)
            b->setToolTip(hint);
        return b;
    };
    btnCheckAll = button("btnCheckAll", "Check &All", "Select all forms to print");
    btnUncheckAll = button("btnUncheckAll", "&Uncheck All", "Deselect all forms to print");
    btnPrint = button("btnPrint", "&Print", nullptr);
    btnCancel = button("btnCancel", "&Cancel", nullptr);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btnCheckAll, btnUncheckAll, btnPrint, btnCancel})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gbForms, 1);
    layout->addLayout(buttons);
    setFixedSize(398, 188);

    QWidget* order[] = {cbForm200, cbBS,     cbSchedBCD, cbSchedA,    cbMinMax,
                        cbRTC,     btnPrint, btnCancel,  btnCheckAll, btnUncheckAll};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(btnCheckAll, &QPushButton::clicked, this, [this] { CheckAll(true); });
    connect(btnUncheckAll, &QPushButton::clicked, this, [this] { CheckAll(false); });
    connect(btnPrint, &QPushButton::clicked, this, &TfrmPrintSelection::btnPrintClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmPrintSelection::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TfrmPrintSelection::FormShow() {
    for (const Box& b : boxes_)
        b.CheckBox->setChecked(settings_.ReadBool(b.Setting, true));
    cbForm200->setFocus(Qt::OtherFocusReason);
}

void TfrmPrintSelection::FormClose() {
    for (const Box& b : boxes_)
        settings_.WriteBool(b.Setting, b.CheckBox->isChecked());
}

void TfrmPrintSelection::done(int result) {
    // However the dialog closes: Print, Cancel, Escape, the close box, or after "Nothing to print!".
    FormClose();
    QDialog::done(result);
}

void TfrmPrintSelection::CheckAll(bool checked) {
    for (const Box& b : boxes_)
        b.CheckBox->setChecked(checked);
}

FormSelection TfrmPrintSelection::Selection() const {
    FormSelection s;
    s.Form200 = cbForm200->isChecked();
    s.BalanceSheet = cbBS->isChecked();
    s.SchedBCD = cbSchedBCD->isChecked();
    s.SchedA = cbSchedA->isChecked();
    s.MinMax = cbMinMax->isChecked();
    s.Form200F = cbRTC->isChecked();
    return s;
}

void TfrmPrintSelection::btnPrintClick() {
    const FormSelection s = Selection();
    if (!s.Form200 && !s.BalanceSheet && !s.SchedBCD && !s.SchedA && !s.MinMax && !s.Form200F) {
        prompts_.Error(kNothingToPrint);
        reject();
        return;
    }
    std::optional<std::string> pdf;
    try {
        BusyCursor busy;
        pdf = print_(s);
    } catch (const Error& e) {
        prompts_.Error(e.what());
    }
    if (pdf)
        prompts_.OpenUrl(*pdf);
    accept();
}

void RunPrintSelection(Settings& settings, Prompts& prompts, PrintSelectedRun print, QWidget* parent) {
    TfrmPrintSelection dialog(settings, prompts, std::move(print), parent);
    dialog.exec();
}

} // namespace qv::ui
