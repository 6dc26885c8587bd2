#pragma once

#include "fOthCurrAssetsEdit.h"

namespace qv::ui {

// An other investment, one row of tblOthInvest: the fields of the other current assets.
class TfrmOthCurrInvestEdit : public TfrmOthCurrAssetsEdit {
public:
    TfrmOthCurrInvestEdit(ScheduleTable& table, Prompts& prompts, const RegionalSettings& regional,
                          QWidget* parent = nullptr);
};

} // namespace qv::ui
