#include "ScheduleDialogs.h"

#include "fAffiliatesList.h"
#include "fCurrDebtList.h"
#include "fOthCurrAssetsList.h"
#include "fOthCurrInvestList.h"
#include "fSubsidiariesList.h"
#include "uDataMod.h"

namespace qv::ui {

std::unique_ptr<TfrmGenrList> CreateScheduleList(ScheduleList list, Tdm& dm, Prompts& prompts,
                                                 const RegionalSettings& regional, QWidget* parent) {
    switch (list) {
    case ScheduleList::Subsidiaries:
        return std::make_unique<TfrmSubsidiariesList>(dm.tblSubsidiaries, prompts, regional, parent);
    case ScheduleList::Affiliates:
        return std::make_unique<TfrmAffiliatesList>(dm.tblAffiliates, prompts, regional, parent);
    case ScheduleList::CurrDebt:
        return std::make_unique<TfrmCurrDebtList>(dm.tblCurrDebt, prompts, regional, parent);
    case ScheduleList::OthCurrAssets:
        return std::make_unique<TfrmOthCurrAssetsList>(dm.tblOthCurrAssets, prompts, regional, parent);
    case ScheduleList::OthCurrInvest:
        return std::make_unique<TfrmOthCurrInvestList>(dm.tblOthInvest, prompts, regional, parent);
    }
    return nullptr;
}

void ShowScheduleList(ScheduleList list, Tdm& dm, Prompts& prompts, const RegionalSettings& regional,
                      QWidget* parent) {
    std::unique_ptr<TfrmGenrList> dialog = CreateScheduleList(list, dm, prompts, regional, parent);
    dialog->exec();
}

} // namespace qv::ui
