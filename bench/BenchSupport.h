#pragma once

// What the benchmarks share: a return's schedule tables filled with many rows.

#include "uDataMod.h"

#include <string>

namespace qv::bench {

// Empties the five tables of a return and gives each `rowsPerTable` rows with every column filled.
inline void FillScheduleTables(Tdm& dm, int rowsPerTable) {
    dm.EmptyAll();
    for (int i = 0; i < rowsPerTable; ++i) {
        const std::string n = std::to_string(i);
        const Money a = Money::FromUnits(1234500 + int64_t(i) * 100);
        dm.tblAffiliates.Append();
        dm.tblAffiliates.SetText("Name", "Affiliate " + n);
        dm.tblAffiliates.SetText("FEIN", "73-" + std::to_string(1000000 + i));
        dm.tblAffiliates.SetText("HowRelated", "Common ownership");
        dm.tblAffiliates.Post();
        dm.tblSubsidiaries.Append();
        dm.tblSubsidiaries.SetText("Name", "Subsidiary " + n);
        dm.tblSubsidiaries.SetText("FEIN", "73-" + std::to_string(2000000 + i));
        dm.tblSubsidiaries.SetFloat("PctOwned", 51.25);
        dm.tblSubsidiaries.SetMoney("Investment", a);
        dm.tblSubsidiaries.Post();
        for (ScheduleTable* t : {&dm.tblOthCurrAssets, &dm.tblOthInvest}) {
            t->Append();
            t->SetText("Description", "Item " + n);
            t->SetMoney("TotalEverywhere", a);
            t->SetMoney("TotalOklahoma", a);
            t->Post();
        }
        dm.tblCurrDebt.Append();
        dm.tblCurrDebt.SetText("Name", "Lender " + n);
        dm.tblCurrDebt.SetText("IssueDate", "01/15/2009");
        dm.tblCurrDebt.SetText("MaturityDate", "01/15/2012");
        dm.tblCurrDebt.SetMoney("OriginalAmount", a);
        dm.tblCurrDebt.SetMoney("DueWI3Yrs", a);
        dm.tblCurrDebt.Post();
    }
}

} // namespace qv::bench
