#include "fSubsidiariesEdit.h"

namespace qv::ui {

TfrmSubsidiariesEdit::TfrmSubsidiariesEdit(ScheduleTable& table, Prompts& prompts,
                                           const RegionalSettings& regional, QWidget* parent)
    : TfrmGenrEdit(table, prompts, regional, parent) {
    setWindowTitle("Subsidiaries");
    AddField("eName", "Name", "Name");
    AddField("eFEIN", "FEIN", "FEIN");
    AddField("ePctOwned", "Pct Owned", "PctOwned");
    AddField("eInvestment", "Investment", "Investment");
    setFixedSize(463, 140);
}

} // namespace qv::ui
