#pragma once

#include "GenrList.h"

namespace qv::ui {

// The list of tblOthCurrAssets ("Other Current Assets").
class TfrmOthCurrAssetsList : public TfrmGenrList {
public:
    TfrmOthCurrAssetsList(ScheduleTable& tblOthCurrAssets, Prompts& prompts, const RegionalSettings& regional,
                          QWidget* parent = nullptr);

protected:
    std::unique_ptr<TfrmGenrEdit> CreateEdit() override;
};

} // namespace qv::ui
