#include "PriorYearConversion.h"

#include "Endian.h"
#include "Error.h"
#include "RegionalSettings.h"
#include "ShortText.h"
#include "uDataMod.h"
#include "uFranchise2004.h"
#include "uFranchise2005.h"
#include "uFranchise2006.h"
#include "uFranchise2007.h"
#include "uFranchise2008.h"
#include "uFranchise2009.h"

#include <algorithm>
#include <bit>

namespace qv {

namespace {

// A short-date text for a DateValue; 0 (no date) gives the empty text.
std::string DateText(DateValue date, const RegionalSettings& regional) {
    return date == 0.0 ? std::string() : FormatShortDate(date, regional);
}

} // namespace

void CopyCarriedFields(const PriorYearReturn& prior, ReturnRecord& record, const RegionalSettings& regional) {
    for (const CarriedField& f : prior.Fields()) {
        const FieldDef& def = DefOf(f.Current);
        const uint8_t* from = &prior.Record[f.PriorOffset];
        switch (f.Rule) {
        case CarryRule::Text:
            record.SetText(def, ReadShortText(from, def.Capacity()));
            break;
        case CarryRule::Bits:
            std::copy_n(from, def.Size, &record.Bytes[def.Offset]);
            break;
        case CarryRule::DateAsText:
            record.SetText(def, DateText(std::bit_cast<double>(LoadLE64(from)), regional));
            break;
        }
    }
}

void ReplaceCurrDebtWith2005Rows(Tdm& dm, const RegionalSettings& regional) {
    ScheduleTable& to = dm.tblCurrDebt;
    const ScheduleTable& from = dm.tblCurrDebt2005;
    ControlsSuspended quiet(to);
    to.Empty();
    const size_t name = static_cast<size_t>(from.ColumnIndex("Name"));
    const size_t dates[] = {static_cast<size_t>(from.ColumnIndex("IssueDate")),
                            static_cast<size_t>(from.ColumnIndex("MaturityDate"))};
    const size_t amounts[] = {static_cast<size_t>(from.ColumnIndex("OriginalAmount")),
                              static_cast<size_t>(from.ColumnIndex("DueWI3Yrs"))};
    const int toName = to.ColumnIndex("Name");
    const int toDates[] = {to.ColumnIndex("IssueDate"), to.ColumnIndex("MaturityDate")};
    const int toAmounts[] = {to.ColumnIndex("OriginalAmount"), to.ColumnIndex("DueWI3Yrs")};
    for (size_t row = 0; row < from.RecordCount(); ++row) {
        to.Append();
        if (!from.NullAt(row, name))
            to.SetText(toName, from.TextAt(row, name));
        for (int i = 0; i < 2; ++i) {
            // A null or zero date stays null: there is no date to write.
            if (!from.NullAt(row, dates[i]) && from.FloatAt(row, dates[i]) != 0.0)
                to.SetText(toDates[i], DateText(from.FloatAt(row, dates[i]), regional));
            if (!from.NullAt(row, amounts[i]))
                to.SetMoney(toAmounts[i], from.MoneyAt(row, amounts[i]));
        }
        to.Post();
    }
    to.First();
}

namespace {

// Reads the prior file with the reader of its edition and copies what it carries into `doc`.
template <class Read>
bool ConvertWith(Franchise& doc, int32_t version, Read read) {
    std::unique_ptr<PriorYearReturn> prior = MakePriorYearReturn(version, doc.Env());
    if (!prior)
        throw Error(std::string(msg::UnrecognizedFileType));
    read(*prior);
    CopyCarriedFields(*prior, doc.Record, doc.Env().regional);
    if (prior->Edition().CopiesCurrDebt2005)
        ReplaceCurrDebtWith2005Rows(doc.dm(), doc.Env().regional);
    return prior->FileFound();
}

} // namespace

bool ConvertPriorReturn(Franchise& doc, int32_t version, const std::string& path) {
    return ConvertWith(doc, version, [&](PriorYearReturn& prior) { prior.LoadFromFile(path); });
}

void ConvertPriorReturn(Franchise& doc, const ReturnFileHeader& header, ByteReader& in) {
    ConvertWith(doc, header.FormatVersion(),
                [&](PriorYearReturn& prior) { prior.LoadAfterHeader(header, in); });
}

bool ConvertFrom2004(Franchise& doc, const std::string& path) {
    return ConvertPriorReturn(doc, Franchise2004::kVersion, path);
}
bool ConvertFrom2005(Franchise& doc, const std::string& path) {
    return ConvertPriorReturn(doc, Franchise2005::kVersion, path);
}
bool ConvertFrom2006(Franchise& doc, const std::string& path) {
    return ConvertPriorReturn(doc, Franchise2006::kVersion, path);
}
bool ConvertFrom2007(Franchise& doc, const std::string& path) {
    return ConvertPriorReturn(doc, Franchise2007::kVersion, path);
}
bool ConvertFrom2008(Franchise& doc, const std::string& path) {
    return ConvertPriorReturn(doc, Franchise2008::kVersion, path);
}
bool ConvertFrom2009(Franchise& doc, const std::string& path) {
    return ConvertPriorReturn(doc, Franchise2009::kVersion, path);
}

} // namespace qv
