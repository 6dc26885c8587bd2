#include "fOthCurrInvestList.h"

#include "fOthCurrInvestEdit.h"

namespace qv::ui {

TfrmOthCurrInvestList::TfrmOthCurrInvestList(ScheduleTable& tblOthInvest, Prompts& prompts,
                                             const RegionalSettings& regional, QWidget* parent)
    : TfrmGenrList(
          tblOthInvest,
          {{"Description"}, {"TotalEverywhere", "Total Everywhere"}, {"TotalOklahoma", "Total Oklahoma"}},
          prompts, regional, parent) {
    setWindowTitle("Other Current Investments");
}

std::unique_ptr<TfrmGenrEdit> TfrmOthCurrInvestList::CreateEdit() {
    return std::make_unique<TfrmOthCurrInvestEdit>(Table(), prompts_, regional_, this);
}

} // namespace qv::ui
