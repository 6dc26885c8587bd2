#include "fAffiliatesList.h"

#include "fAffiliatesEdit.h"

namespace qv::ui {

TfrmAffiliatesList::TfrmAffiliatesList(ScheduleTable& tblAffiliates, Prompts& prompts,
                                       const RegionalSettings& regional, QWidget* parent)
    : TfrmGenrList(tblAffiliates, {{"Name"}, {"FEIN"}, {"HowRelated"}}, prompts, regional, parent) {
    setWindowTitle("Affiliates");
}

std::unique_ptr<TfrmGenrEdit> TfrmAffiliatesList::CreateEdit() {
    return std::make_unique<TfrmAffiliatesEdit>(Table(), prompts_, regional_, this);
}

} // namespace qv::ui
