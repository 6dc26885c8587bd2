#include "fRptPeriod.h"

#include "Error.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::ui {

namespace {

template <size_t N>
QComboBox* List(const char* name, const std::array<std::string_view, N>& items, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false); // only its items
    for (std::string_view item : items)
        list->addItem(QString::fromLatin1(item.data(), static_cast<qsizetype>(item.size())));
    return list;
}

} // namespace

TfrmRptPeriod::TfrmRptPeriod(const QString& periodText, Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    period_.Prefill(periodText.toStdString());
    setWindowTitle("Reporting Period");

    rpBegin = List("rpBegin", ReportingPeriod::kMonths, this);
    rpBeginYear = List("rpBeginYear", ReportingPeriod::kYears, this);
    rpEnd = List("rpEnd", ReportingPeriod::kMonths, this);
    rpEndYear = List("rpEndYear", ReportingPeriod::kYears, this);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Month", this), 0, 1);
    grid->addWidget(new QLabel("Year", this), 0, 2);
    grid->addWidget(new QLabel("Beginning", this), 1, 0);
    grid->addWidget(rpBegin, 1, 1);
    grid->addWidget(rpBeginYear, 1, 2);
    grid->addWidget(new QLabel("Ending ", this), 2, 0);
    grid->addWidget(rpEnd, 2, 1);
    grid->addWidget(rpEndYear, 2, 2);

    btnOK = new QPushButton("OK", this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setObjectName("btnCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Enter Reporting Period", this));
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // A choice runs its side's rule; the lists then show where the rules put them.
    connect(rpBegin, &QComboBox::activated, this, [this](int i) {
        period_.ChooseBeginMonth(i);
        ShowPeriod();
    });
    connect(rpBeginYear, &QComboBox::activated, this, [this](int i) {
        period_.ChooseBeginYear(i);
        ShowPeriod();
    });
    connect(rpEnd, &QComboBox::activated, this, [this](int i) {
        period_.ChooseEndMonth(i);
        ShowPeriod();
    });
    connect(rpEndYear, &QComboBox::activated, this, [this](int i) {
        period_.ChooseEndYear(i);
        ShowPeriod();
    });
    connect(btnOK, &QPushButton::clicked, this, &TfrmRptPeriod::OkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    ShowPeriod();
}

void TfrmRptPeriod::ShowPeriod() {
    rpBegin->setCurrentIndex(period_.BeginMonth());
    rpBeginYear->setCurrentIndex(period_.BeginYear());
    rpEnd->setCurrentIndex(period_.EndMonth());
    rpEndYear->setCurrentIndex(period_.EndYear());
}

void TfrmRptPeriod::OkClick() {
    if (std::optional<std::string_view> error = period_.CheckOk()) {
        prompts_.Error(*error);
        reject();
        return;
    }
    accept();
}

QString TfrmRptPeriod::PeriodText() const {
    return QString::fromStdString(period_.Text());
}

bool EditReportingPeriod(QString& periodText, Prompts& prompts, QWidget* parent) {
    try {
        TfrmRptPeriod dialog(periodText, prompts, parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        periodText = dialog.PeriodText();
        return true;
    } catch (const Error& e) {
        prompts.Error(e.what());
        return false;
    }
}

} // namespace qv::ui
