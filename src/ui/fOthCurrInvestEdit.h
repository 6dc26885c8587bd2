#pragma once

#include "GenrEdit.h"

namespace qv::ui {

// An other investment, one row of tblOthInvest, in the fields of its edit dialog.
class TfrmOthCurrInvestEdit : public TfrmGenrEdit {
public:
    TfrmOthCurrInvestEdit(ScheduleTable& table, Prompts& prompts, const RegionalSettings& regional,
                          QWidget* parent = nullptr);
};

} // namespace qv::ui
