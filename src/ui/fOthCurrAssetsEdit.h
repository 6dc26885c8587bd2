#pragma once

#include "GenrEdit.h"

namespace qv::ui {

// An other current asset, one row of tblOthCurrAssets, in the fields of its edit dialog.
class TfrmOthCurrAssetsEdit : public TfrmGenrEdit {
public:
    TfrmOthCurrAssetsEdit(ScheduleTable& table, Prompts& prompts, const RegionalSettings& regional,
                          QWidget* parent = nullptr);

protected:
    // The same fields under another caption, for the other investments.
    TfrmOthCurrAssetsEdit(const char* caption, ScheduleTable& table, Prompts& prompts,
                          const RegionalSettings& regional, QWidget* parent);
};

} // namespace qv::ui
