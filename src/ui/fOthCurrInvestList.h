#pragma once

#include "GenrList.h"

namespace qv::ui {

// The list of tblOthInvest ("Other Current Investments").
class TfrmOthCurrInvestList : public TfrmGenrList {
public:
    TfrmOthCurrInvestList(ScheduleTable& tblOthInvest, Prompts& prompts, const RegionalSettings& regional,
                          QWidget* parent = nullptr);

protected:
    std::unique_ptr<TfrmGenrEdit> CreateEdit() override;
};

} // namespace qv::ui
