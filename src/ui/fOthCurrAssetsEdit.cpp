#include "fOthCurrAssetsEdit.h"

namespace qv::ui {

TfrmOthCurrAssetsEdit::TfrmOthCurrAssetsEdit(ScheduleTable& table, Prompts& prompts,
                                             const RegionalSettings& regional, QWidget* parent)
    : TfrmOthCurrAssetsEdit("Other Current Assets", table, prompts, regional, parent) {}

TfrmOthCurrAssetsEdit::TfrmOthCurrAssetsEdit(const char* caption, ScheduleTable& table, Prompts& prompts,
                                             const RegionalSettings& regional, QWidget* parent)
    : TfrmGenrEdit(table, prompts, regional, parent) {
    setWindowTitle(caption);
    AddField("eDesc", "Description", "Description");
    AddField("eTtlEverywhere", "Total Everywhere", "TotalEverywhere");
    AddField("eTtlOkla", "Total in Oklahoma", "TotalOklahoma");
    setFixedSize(499, 140);
}

} // namespace qv::ui
