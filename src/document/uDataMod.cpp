// uDataMod: Tdm, the data module that holds the five schedule tables of the open return.

#include "uDataMod.h"

#include "TableStreamFormat.h"

namespace qv {

namespace {

// The employer identification number mask of the list dialogs.
constexpr const char* kFeinMask = "00\\-0000000;1;_";

ColumnDef Text(const char* name, int32_t size, const char* mask = "") {
    return ColumnDef{name, ColumnType::String, size, mask, ""};
}
ColumnDef Currency(const char* name) {
    return ColumnDef{name, ColumnType::Currency, 0, "", ""};
}
ColumnDef Float(const char* name, const char* format = "") {
    return ColumnDef{name, ColumnType::Float, 0, "", format};
}
ColumnDef Date(const char* name) {
    return ColumnDef{name, ColumnType::Date, 0, "", ""};
}

} // namespace

Tdm::Tdm()
    : tblOthCurrAssets("tblOthCurrAssets",
                       {Text("Description", 30), Currency("TotalEverywhere"), Currency("TotalOklahoma")}),
      tblOthInvest("tblOthInvest",
                   {Text("Description", 30), Currency("TotalEverywhere"), Currency("TotalOklahoma")}),
      tblSubsidiaries("tblSubsidiaries", {Text("Name", 30), Text("FEIN", 10, kFeinMask),
                                          Float("PctOwned", "0.0000"), Currency("Investment")}),
      tblAffiliates("tblAffiliates", {Text("Name", 30), Text("FEIN", 10, kFeinMask), Text("HowRelated", 50)}),
      tblCurrDebt("tblCurrDebt", {Text("Name", 30), Text("IssueDate", 10), Text("MaturityDate", 10),
                                  Currency("OriginalAmount"), Currency("DueWI3Yrs")}),
      tblCurrDebt2005("tblCurrDebt2005", {Text("Name", 30), Date("IssueDate"), Date("MaturityDate"),
                                          Currency("OriginalAmount"), Currency("DueWI3Yrs")}) {}

std::array<ScheduleTable*, 5> Tdm::FileTables() {
    return {&tblAffiliates, &tblSubsidiaries, &tblOthCurrAssets, &tblOthInvest, &tblCurrDebt};
}

void Tdm::EmptyAll() {
    for (ScheduleTable* t : FileTables())
        t->Empty();
}

void Tdm::SaveTableStream(const ScheduleTable& table, ByteWriter& stream) {
    TableStreamFormat::Save(table, stream);
}

void Tdm::LoadTableStream(ScheduleTable& table, ByteReader& stream) {
    TableStreamFormat::Load(table, stream);
}

} // namespace qv
