#pragma once

#include "GenrList.h"

namespace qv::ui {

// The list of tblSubsidiaries ("Subsidiaries").
class TfrmSubsidiariesList : public TfrmGenrList {
public:
    TfrmSubsidiariesList(ScheduleTable& tblSubsidiaries, Prompts& prompts, const RegionalSettings& regional,
                         QWidget* parent = nullptr);

protected:
    std::unique_ptr<TfrmGenrEdit> CreateEdit() override;
};

} // namespace qv::ui
