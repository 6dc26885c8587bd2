#pragma once

#include "GenrList.h"

namespace qv::ui {

// The list of tblAffiliates ("Affiliates").
class TfrmAffiliatesList : public TfrmGenrList {
public:
    TfrmAffiliatesList(ScheduleTable& tblAffiliates, Prompts& prompts, const RegionalSettings& regional,
                       QWidget* parent = nullptr);

protected:
    std::unique_ptr<TfrmGenrEdit> CreateEdit() override;
};

} // namespace qv::ui
