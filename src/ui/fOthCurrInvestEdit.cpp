#include "fOthCurrInvestEdit.h"

namespace qv::ui {

TfrmOthCurrInvestEdit::TfrmOthCurrInvestEdit(ScheduleTable& table, Prompts& prompts,
                                             const RegionalSettings& regional, QWidget* parent)
    : TfrmOthCurrAssetsEdit("Other Current Investments", table, prompts, regional, parent) {}

} // namespace qv::ui
