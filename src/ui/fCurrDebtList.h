#pragma once

#include "GenrList.h"

namespace qv::ui {

// The list of tblCurrDebt ("Shedule D: Current Debt List").
class TfrmCurrDebtList : public TfrmGenrList {
public:
    TfrmCurrDebtList(ScheduleTable& tblCurrDebt, Prompts& prompts, const RegionalSettings& regional,
                     QWidget* parent = nullptr);

protected:
    std::unique_ptr<TfrmGenrEdit> CreateEdit() override;
};

} // namespace qv::ui
