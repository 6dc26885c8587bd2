#include "fCurrDebtList.h"

#include "fCurrDebtEdit.h"

namespace qv::ui {

TfrmCurrDebtList::TfrmCurrDebtList(ScheduleTable& tblCurrDebt, Prompts& prompts,
                                   const RegionalSettings& regional, QWidget* parent)
    : TfrmGenrList(tblCurrDebt,
                   {{"Name"},
                    {"IssueDate", "Issue Date", 100},
                    {"MaturityDate", "Maturity Date", 84},
                    {"OriginalAmount", "Original Amount", 97},
                    {"DueWI3Yrs", "Due w/i 3 yrs", 102}},
                   prompts, regional, parent) {
    setWindowTitle("Shedule D: Current Debt List");
    resize(750, height());
}

std::unique_ptr<TfrmGenrEdit> TfrmCurrDebtList::CreateEdit() {
    return std::make_unique<TfrmCurrDebtEdit>(Table(), prompts_, regional_, this);
}

} // namespace qv::ui
