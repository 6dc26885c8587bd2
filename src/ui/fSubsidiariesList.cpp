#include "fSubsidiariesList.h"

#include "fSubsidiariesEdit.h"

namespace qv::ui {

TfrmSubsidiariesList::TfrmSubsidiariesList(ScheduleTable& tblSubsidiaries, Prompts& prompts,
                                           const RegionalSettings& regional, QWidget* parent)
    : TfrmGenrList(tblSubsidiaries, {{"Name"}, {"FEIN"}, {"PctOwned"}, {"Investment"}}, prompts, regional,
                   parent) {
    setWindowTitle("Subsidiaries");
}

std::unique_ptr<TfrmGenrEdit> TfrmSubsidiariesList::CreateEdit() {
    return std::make_unique<TfrmSubsidiariesEdit>(Table(), prompts_, regional_, this);
}

} // namespace qv::ui
