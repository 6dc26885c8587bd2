#include "fOthCurrAssetsList.h"

#include "fOthCurrAssetsEdit.h"

namespace qv::ui {

TfrmOthCurrAssetsList::TfrmOthCurrAssetsList(ScheduleTable& tblOthCurrAssets, Prompts& prompts,
                                             const RegionalSettings& regional, QWidget* parent)
    : TfrmGenrList(
          tblOthCurrAssets,
          {{"Description"}, {"TotalEverywhere", "Total Everywhere"}, {"TotalOklahoma", "Total Oklahoma"}},
          prompts, regional, parent) {
    setWindowTitle("Other Current Assets");
}

std::unique_ptr<TfrmGenrEdit> TfrmOthCurrAssetsList::CreateEdit() {
    return std::make_unique<TfrmOthCurrAssetsEdit>(Table(), prompts_, regional_, this);
}

} // namespace qv::ui
