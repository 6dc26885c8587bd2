#pragma once

#include "GenrEdit.h"

namespace qv::ui {

// An affiliate, one row of tblAffiliates, in the fields of its edit dialog.
class TfrmAffiliatesEdit : public TfrmGenrEdit {
public:
    TfrmAffiliatesEdit(ScheduleTable& table, Prompts& prompts, const RegionalSettings& regional,
                       QWidget* parent = nullptr);
};

} // namespace qv::ui
