#include "fAffiliatesEdit.h"

namespace qv::ui {

TfrmAffiliatesEdit::TfrmAffiliatesEdit(ScheduleTable& table, Prompts& prompts,
                                       const RegionalSettings& regional, QWidget* parent)
    : TfrmGenrEdit(table, prompts, regional, parent) {
    setWindowTitle("Affiliates");
    AddField("eName", "Name", "Name");
    AddField("eFEIN", "FEIN", "FEIN");
    AddField("eHowRelated", "How Related", "HowRelated");
    setFixedSize(463, 140);
}

} // namespace qv::ui
