#pragma once

#include "GenrEdit.h"

namespace qv::ui {

// An other current asset, one row of tblOthCurrAssets, in the fields of its edit dialog.
class TfrmOthCurrAssetsEdit : public TfrmGenrEdit {
public:
    TfrmOthCurrAssetsEdit(ScheduleTable& table, Prompts& prompts, const RegionalSettings& regional,
                          QWidget* parent = nullptr);
};

} // namespace qv::ui
