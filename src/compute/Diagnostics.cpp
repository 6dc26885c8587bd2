#include "Diagnostics.h"

#include "Int128.h"
#include "Money.h"
#include "ReturnRecord.h"
#include "ScheduleTable.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace qv {

namespace {

using Severity = Finding::Severity;

// An amount as the messages show it: grouped by threes, to the cent, or to 1/10,000 when it has
// more; a minus sign for negatives.
std::string Shown(Money m) {
    int64_t units = m.Units();
    const bool negative = units < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(units) : static_cast<uint64_t>(units);
    const uint64_t whole = magnitude / 10000, fraction = magnitude % 10000;
    std::string digits = std::to_string(whole), grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    char decimals[8];
    if (fraction % 100 == 0)
        std::snprintf(decimals, sizeof decimals, ".%02u", static_cast<unsigned>(fraction / 100));
    else
        std::snprintf(decimals, sizeof decimals, ".%04u", static_cast<unsigned>(fraction));
    return (negative ? "-" : "") + grouped + decimals;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// A masked number is complete when every place of the mask holds a digit.
bool IsComplete(std::string_view text, std::string_view mask) {
    if (text.size() != mask.size())
        return false;
    for (size_t i = 0; i < mask.size(); ++i) {
        if (mask[i] == '9' ? !(text[i] >= '0' && text[i] <= '9') : text[i] != mask[i])
            return false;
    }
    return true;
}

constexpr std::string_view kFeinMask = "99-9999999";
constexpr std::string_view kSsnMask = "999-99-9999";

class Checker {
public:
    Checker(const Franchise& doc, std::vector<Finding>& out) : doc_(doc), r_(doc.Record), out_(out) {}

    void Add(std::string_view code, Severity level, std::vector<FieldId> fields, std::string message,
             std::vector<Finding::Row> rows = {}) {
        out_.push_back(Finding{code, level, std::move(fields), std::move(rows), std::move(message)});
    }

    void Balance() {
        const Money assets = r_.Get(fld::Bs18a), total = r_.Get(fld::Bs32);
        if (assets != total)
            Add("balance", Severity::Error, {FieldId::Bs18a, FieldId::Bs32},
                "Balance sheet: total assets (line 18, column A) " + Shown(assets) +
                    " differ from total liabilities and capital (line 32) " + Shown(total));
    }

    void OklahomaOverTotal() {
        struct Line {
            const char* Number;
            const char* Caption;
            MoneyField A, B;
        };
        // Every line with both columns but the subtotals 6 and 15, which follow from the others.
        static const Line kLines[] = {
            {"1", "Cash", fld::Bs1a, fld::Bs1b},
            {"2", "Notes and accounts receivable", fld::Bs2a, fld::Bs2b},
            {"3", "Inventories", fld::Bs3a, fld::Bs3b},
            {"4", "Government obligations and other bonds", fld::Bs4a, fld::Bs4b},
            {"5", "Other current assets", fld::Bs5a, fld::Bs5b},
            {"7", "Mortgage and real estate loans", fld::Bs7a, fld::Bs7b},
            {"8", "Other investments", fld::Bs8a, fld::Bs8b},
            {"9a", "Building", fld::Bs9aa, fld::Bs9ab},
            {"9b", "less accumulated depreciation", fld::Bs9ba, fld::Bs9bb},
            {"10a", "Fixed depreciable assets", fld::Bs10aa, fld::Bs10ab},
            {"10b", "less accumulated depreciation", fld::Bs10ba, fld::Bs10bb},
            {"11a", "Depletable assets", fld::Bs11aa, fld::Bs11ab},
            {"11b", "less accumulated depletion", fld::Bs11ba, fld::Bs11bb},
            {"12", "Land", fld::Bs12a, fld::Bs12b},
            {"13a", "Intangible assets", fld::Bs13aa, fld::Bs13ab},
            {"13b", "less accumulated amortization", fld::Bs13ba, fld::Bs13bb},
            {"14", "Other assets", fld::Bs14a, fld::Bs14b},
            {"16a", "Inter-company receivables from parent company", fld::Bs16aa, fld::Bs16ab},
            {"16b", "Inter-company receivables from subsidiary company", fld::Bs16ba, fld::Bs16bb},
            {"16c", "Inter-company receivables from affiliated company", fld::Bs16ca, fld::Bs16cb},
            {"17", "Bank holding company stock in subsidiary bank", fld::Bs17a, fld::Bs17b},
            {"18", "Total assets", fld::Bs18a, fld::Bs18b},
        };
        for (const Line& line : kLines) {
            const Money a = r_.Get(line.A), b = r_.Get(line.B);
            if (b > a)
                Add("oklahoma-over-total", Severity::Warning, {line.B.Id, line.A.Id},
                    "Balance sheet line " + std::string(line.Number) + " (" + line.Caption +
                        "): the amount in Oklahoma (column B) " + Shown(b) +
                        " is more than the total everywhere (column A) " + Shown(a));
        }
    }

    void AttachedTotals() {
        struct Attached {
            const char* Number;
            const char* Caption;
            MoneyField A, B;
            const ScheduleTable& Table;
        };
        const Tdm& dm = doc_.dm();
        const Attached lines[] = {{"5", "Other current assets", fld::Bs5a, fld::Bs5b, dm.tblOthCurrAssets},
                                  {"8", "Other investments", fld::Bs8a, fld::Bs8b, dm.tblOthInvest}};
        for (const Attached& line : lines) {
            const ScheduleTable& t = line.Table;
            if (t.IsEmpty())
                continue;
            const int everywhere = t.FindColumn("TotalEverywhere"), oklahoma = t.FindColumn("TotalOklahoma");
            if (everywhere < 0 || oklahoma < 0)
                continue;
            // Summed exactly, as the attach links total them; a sum beyond the range differs anyway.
            i128 sumA = 0, sumB = 0;
            for (size_t row = 0; row < t.RecordCount(); ++row) {
                if (!t.NullAt(row, static_cast<size_t>(everywhere)))
                    sumA += t.MoneyAt(row, static_cast<size_t>(everywhere)).Units();
                if (!t.NullAt(row, static_cast<size_t>(oklahoma)))
                    sumB += t.MoneyAt(row, static_cast<size_t>(oklahoma)).Units();
            }
            const Money a = r_.Get(line.A), b = r_.Get(line.B);
            if (sumA == a.Units() && sumB == b.Units())
                continue;
            auto shownSum = [](i128 sum) {
                return sum >= INT64_MIN && sum <= INT64_MAX
                           ? Shown(Money::FromUnits(static_cast<int64_t>(sum)))
                           : std::string("beyond the range of an amount");
            };
            Add("attached-totals", Severity::Error, {line.A.Id, line.B.Id},
                "Balance sheet line " + std::string(line.Number) + " (" + line.Caption + ") shows " +
                    Shown(a) + " everywhere and " + Shown(b) +
                    " in Oklahoma, but its attached schedule totals " + shownSum(sumA) + " and " +
                    shownSum(sumB) + "; open \"(Please attach schedule)\" beside the line to total it again");
        }
    }

    void FeinOf(TextField field, std::string_view what) {
        const std::string fein = r_.Get(field);
        if (IsBlank(fein) || fein == "  -       ")
            Add("fein", Severity::Error, {field.Id}, std::string(what) + " is blank");
        else if (!IsComplete(fein, kFeinMask))
            Add("fein", Severity::Error, {field.Id},
                std::string(what) + " " + Quoted(fein) + " is not complete (nine digits)");
    }

    void Feins() {
        FeinOf(fld::FEIN, "Form 200: the FEIN (item A)");
        if (!IsBlank(r_.Get(fld::SchedBParentName)))
            FeinOf(fld::SchedBParentFEIN, "Schedule B: the parent company's FEI number");
        const std::array<std::pair<TextField, TextField>, 5> subs = {
            {{fld::SchedCSub1Name, fld::SchedCSub1FEIN},
             {fld::SchedCSub2Name, fld::SchedCSub2FEIN},
             {fld::SchedCSub3Name, fld::SchedCSub3FEIN},
             {fld::SchedCSub4Name, fld::SchedCSub4FEIN},
             {fld::SchedCSub5Name, fld::SchedCSub5FEIN}}};
        for (size_t k = 0; k < subs.size(); ++k)
            RowFein(subs[k].first, subs[k].second,
                    "Schedule C: the FEIN of subsidiary " + std::to_string(k + 1));
        const std::array<std::pair<TextField, TextField>, 4> affs = {
            {{fld::SchedCAff1Name, fld::SchedCAff1FEIN},
             {fld::SchedCAff2Name, fld::SchedCAff2FEIN},
             {fld::SchedCAff3Name, fld::SchedCAff3FEIN},
             {fld::SchedCAff4Name, fld::SchedCAff4FEIN}}};
        for (size_t k = 0; k < affs.size(); ++k)
            RowFein(affs[k].first, affs[k].second,
                    "Schedule C: the FEIN of affiliate " + std::to_string(k + 1));
        TableFeins(doc_.dm().tblSubsidiaries, "subsidiary");
        TableFeins(doc_.dm().tblAffiliates, "affiliate");
    }

    void RowFein(TextField name, TextField fein, const std::string& what) {
        const std::string n = r_.Get(name);
        if (!IsBlank(n))
            FeinOf(fein, what + " (" + n + ")");
    }

    void TableFeins(const ScheduleTable& t, std::string_view kind) {
        const int name = t.FindColumn("Name"), fein = t.FindColumn("FEIN");
        if (name < 0 || fein < 0)
            return;
        for (size_t row = 0; row < t.RecordCount(); ++row) {
            const std::string_view n =
                t.NullAt(row, size_t(name)) ? std::string_view() : t.TextAt(row, size_t(name));
            if (IsBlank(n))
                continue;
            const std::string_view f =
                t.NullAt(row, size_t(fein)) ? std::string_view() : t.TextAt(row, size_t(fein));
            if (IsComplete(f, kFeinMask))
                continue;
            Add("fein", Severity::Error, {},
                "Schedule C: the FEIN of " + std::string(kind) + " " + Quoted(n) + " (row " +
                    std::to_string(row + 1) + " of the \"Add More\" list) is " +
                    (IsBlank(f) || f == "  -       " ? "blank" : Quoted(f) + " and not complete"),
                {{t.Name(), row, t.Columns()[size_t(fein)].Name}});
        }
    }

    void Dates() {
        if (r_.Get(fld::DueDate) == 0)
            Add("due-date", Severity::Error, {FieldId::DueDate},
                "Form 200: no due date (item C); without one the return is computed with the $10 minimum of "
                "returns due before July 2006");
        if (r_.Get(fld::BalanceSheetDate) == 0)
            Add("balance-sheet-date", Severity::Error, {FieldId::BalanceSheetDate},
                "Balance sheet: no balance-sheet date (the end of the last income tax year, also Form 200 "
                "item J)");
    }

    void Period() {
        const std::string p = r_.Get(fld::ReportPeriod);
        auto number = [&](size_t at, size_t n, int& out) {
            out = 0;
            for (size_t i = at; i < at + n; ++i) {
                if (p[i] < '0' || p[i] > '9')
                    return false;
                out = out * 10 + (p[i] - '0');
            }
            return true;
        };
        int m1 = 0, y1 = 0, m2 = 0, y2 = 0;
        const bool form = p.size() == 18 && p[2] == '/' && p.substr(7, 4) == " to " && p[13] == '/' &&
                          number(0, 2, m1) && number(3, 4, y1) && number(11, 2, m2) && number(14, 4, y2) &&
                          m1 >= 1 && m1 <= 12 && m2 >= 1 && m2 <= 12;
        if (!form) {
            Add("period", Severity::Warning, {FieldId::ReportPeriod},
                "Form 200: the reporting period (item B) " + Quoted(p) +
                    " is not of the form \"MM/YYYY to MM/YYYY\"");
            return;
        }
        const int months = (y2 * 12 + m2) - (y1 * 12 + m1) + 1;
        if (months != 12)
            Add("period", Severity::Warning, {FieldId::ReportPeriod},
                "Form 200: the reporting period (item B) " + Quoted(p) + " spans " + std::to_string(months) +
                    " months, not twelve");
    }

    void Officers() {
        struct Officer {
            const char* Title;
            TextField Name, Ssn;
        };
        static const Officer kOfficers[] = {{"President", fld::SchedAPresName, fld::SchedAPresSSN},
                                            {"Vice President", fld::SchedAVPName, fld::SchedAVPSSN},
                                            {"Secretary", fld::SchedASecName, fld::SchedASecSSN},
                                            {"Treasurer", fld::SchedATreasName, fld::SchedATreasSSN}};
        if (IsBlank(r_.Get(fld::SchedAPresName)))
            Add("officers", Severity::Error, {FieldId::SchedAPresName}, "Schedule A: no president is named");
        for (const Officer& o : kOfficers) {
            const std::string name = r_.Get(o.Name);
            if (IsBlank(name))
                continue;
            const std::string ssn = r_.Get(o.Ssn);
            if (!IsComplete(ssn, kSsnMask))
                Add("officers", Severity::Error, {o.Ssn.Id},
                    std::string("Schedule A: the SSN of the ") + o.Title + " (" + name + ") is " +
                        (IsBlank(ssn) || ssn == "   -  -    " ? "blank" : Quoted(ssn) + " and not complete"));
        }
    }

    // Option 1 divides by line 8, which is zero here; the computation cannot work out line 9.
    bool OptionLine8() {
        const Money line2 = r_.Get(fld::F200Line2);
        if (!r_.IsYes(fld::F200Option1) || line2 == Money() || line2 + r_.Get(fld::F200Line7) != Money())
            return false;
        Add("option-line-8", Severity::Error, {FieldId::F200Option1, FieldId::F200Line8},
            "Form 200 line 9: Option 1 is chosen, but line 8 (total value of assets and business done) is "
            "zero, so "
            "the Oklahoma percentage cannot be worked out; choose Option 2, or enter the gross business done "
            "on "
            "balance-sheet lines 33 and 34");
        return true;
    }

    void Percents() {
        auto check = [&](double pct, std::vector<FieldId> fields, const std::string& what,
                         std::vector<Finding::Row> rows) {
            if (std::isnan(pct) || pct < 0 || pct > 100) {
                char buf[64];
                std::snprintf(buf, sizeof buf, "%.4f", pct);
                Add("percent", Severity::Error, std::move(fields), what + " " + buf + " is outside 0 to 100",
                    std::move(rows));
            }
        };
        check(r_.Get(fld::SchedBPctParentOwned), {FieldId::SchedBPctParentOwned},
              "Schedule B: the percentage of stock owned by the parent company,", {});
        const std::array<DoubleField, 5> subs = {fld::SchedCSub1PctOwned, fld::SchedCSub2PctOwned,
                                                 fld::SchedCSub3PctOwned, fld::SchedCSub4PctOwned,
                                                 fld::SchedCSub5PctOwned};
        for (size_t k = 0; k < subs.size(); ++k)
            check(r_.Get(subs[k]), {subs[k].Id},
                  "Schedule C: the percentage owned of subsidiary " + std::to_string(k + 1) + ",", {});
        const ScheduleTable& t = doc_.dm().tblSubsidiaries;
        const int pct = t.FindColumn("PctOwned");
        if (pct < 0)
            return;
        for (size_t row = 0; row < t.RecordCount(); ++row) {
            if (t.NullAt(row, size_t(pct)))
                continue;
            const double v = t.FloatAt(row, size_t(pct));
            if (!(v >= 0 && v <= 100))
                check(v, {},
                      "Schedule C: the percentage owned in row " + std::to_string(row + 1) +
                          " of the \"Add More\" list,",
                      {{t.Name(), row, t.Columns()[size_t(pct)].Name}});
        }
    }

    void PenaltyStale() {
        const Money penalty = r_.Get(fld::F200Line15);
        if (penalty == Money())
            return;
        // 10 % of line 12 to the cent, halves away from zero, as the penalty button works it out.
        const int64_t tax = r_.Get(fld::F200Line12).Units();
        const int64_t tenth = tax / 1000, rest = tax % 1000; // in cents x 100 units
        int64_t cents = tenth;
        if (rest >= 500)
            ++cents;
        else if (rest <= -500)
            --cents;
        const Money expected = Money::FromUnits(cents * 100);
        if (penalty != expected)
            Add("penalty-stale", Severity::Warning, {FieldId::F200Line15, FieldId::F200Line12},
                "Form 200 line 15: the penalty " + Shown(penalty) + " is not 10 % of the tax on line 12 (" +
                    Shown(r_.Get(fld::F200Line12)) + ", so " + Shown(expected) +
                    "); it follows line 12 with the next recalculation");
    }

private:
    const Franchise& doc_;
    const ReturnRecord& r_;
    std::vector<Finding>& out_;
};

} // namespace

std::string_view SeverityName(Finding::Severity severity) {
    return severity == Finding::Severity::Error ? "error" : "warning";
}

std::vector<Finding> Diagnose(const Franchise& doc, std::string_view computationError) {
    std::vector<Finding> out;
    Checker c(doc, out);
    c.Feins();
    c.Dates();
    c.Period();
    c.Balance();
    c.OklahomaOverTotal();
    c.AttachedTotals();
    const bool line8 = c.OptionLine8();
    c.PenaltyStale();
    c.Officers();
    c.Percents();
    if (!computationError.empty() && !line8)
        c.Add("computation", Severity::Error, {},
              "The return cannot be computed: " + std::string(computationError));
    return out;
}

bool HasErrors(const std::vector<Finding>& findings) {
    for (const Finding& f : findings)
        if (f.Level == Finding::Severity::Error)
            return true;
    return false;
}

} // namespace qv
