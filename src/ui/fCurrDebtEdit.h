#pragma once

#include "GenrEdit.h"

namespace qv::ui {

// A current debt, one row of tblCurrDebt; its dates are free text of at most 10 characters.
class TfrmCurrDebtEdit : public TfrmGenrEdit {
public:
    TfrmCurrDebtEdit(ScheduleTable& table, Prompts& prompts, const RegionalSettings& regional,
                     QWidget* parent = nullptr);
};

} // namespace qv::ui
