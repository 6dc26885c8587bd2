#include "fCurrDebtEdit.h"

namespace qv::ui {

TfrmCurrDebtEdit::TfrmCurrDebtEdit(ScheduleTable& table, Prompts& prompts, const RegionalSettings& regional,
                                   QWidget* parent)
    : TfrmGenrEdit(table, prompts, regional, parent) {
    setWindowTitle("Shedule D: Current Debt");
    AddField("eName", "Name", "Name");
    AddField("dtOrigDate", "Original Date of Issuance", "IssueDate");
    AddField("dtMatDate", "Maturity Date", "MaturityDate");
    AddField("eOriginalAmt", "Original Amount of \nInstrument", "OriginalAmount");
    AddField("eDue", "Amount Payable within 3 yrs\nof Date of Balance Sheet", "DueWI3Yrs");
    setFixedSize(525, 187);
}

} // namespace qv::ui
