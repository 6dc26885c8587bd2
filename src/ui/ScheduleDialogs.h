#pragma once

#include "Prompts.h"
#include "RegionalSettings.h"

#include <memory>

class QWidget;

namespace qv {
class Tdm;
}

namespace qv::ui {

// The five schedule lists, as the window's links open them.
enum class ScheduleList { Subsidiaries, Affiliates, CurrDebt, OthCurrAssets, OthCurrInvest };

class TfrmGenrList;

// The list dialog of one schedule table of dm, not yet shown.
std::unique_ptr<TfrmGenrList> CreateScheduleList(ScheduleList list, Tdm& dm, Prompts& prompts,
                                                 const RegionalSettings& regional, QWidget* parent);

// Shows the list dialog of one schedule table modally, owned by parent, and returns when the user
// closes it; the rows added, changed and deleted are in the table. The caller recomputes the return
// afterwards.
void ShowScheduleList(ScheduleList list, Tdm& dm, Prompts& prompts, const RegionalSettings& regional,
                      QWidget* parent);

} // namespace qv::ui
