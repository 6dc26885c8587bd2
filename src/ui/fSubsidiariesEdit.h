#pragma once

#include "GenrEdit.h"

namespace qv::ui {

// A subsidiary, one row of tblSubsidiaries, in the fields of its edit dialog.
class TfrmSubsidiariesEdit : public TfrmGenrEdit {
public:
    TfrmSubsidiariesEdit(ScheduleTable& table, Prompts& prompts, const RegionalSettings& regional,
                         QWidget* parent = nullptr);
};

} // namespace qv::ui
