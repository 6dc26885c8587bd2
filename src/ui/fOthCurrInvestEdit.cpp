#include "fOthCurrInvestEdit.h"

namespace qv::ui {

TfrmOthCurrInvestEdit::TfrmOthCurrInvestEdit(ScheduleTable& table, Prompts& prompts,
                                             const RegionalSettings& regional, QWidget* parent)
    : TfrmGenrEdit(table, prompts, regional, parent) {
    setWindowTitle("Other Current Investments");
    AddField("eDesc", "Description", "Description");
    AddField("eTtlEverywhere", "Total Everywhere", "TotalEverywhere");
    AddField("eTtlOkla", "Total in Oklahoma", "TotalOklahoma");
    setFixedSize(499, 140);
}

} // namespace qv::ui
