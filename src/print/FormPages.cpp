// The six form pages: each appends its template page and stamps the return's values on it, as the
// form geometry lists them.

#include "FormGeometry.h"
#include "PrintRun.h"
#include "ValueFormats.h"
#include "uFranchise.h"

#include <stdexcept>
#include <string>

namespace qv {

namespace {

int FontIdOf(const PrintRun& run, form::Face face) {
    switch (face) {
    case form::Face::Courier:
        return run.CourierFont;
    case form::Face::HelveticaBold:
        return run.HelveticaBoldFont;
    case form::Face::TimesRoman:
        return run.TimesRomanFont;
    default:
        throw std::logic_error("a stamp in a font the print run does not add");
    }
}

bool ConditionHolds(const ReturnRecord& record, const form::Stamp& s) {
    switch (s.Condition) {
    case form::When::Always:
        return true;
    case form::When::Yes:
        return record.IsYes(YesNoField{s.ConditionField});
    case form::When::NotYes:
        return !record.IsYes(YesNoField{s.ConditionField});
    case form::When::Set:
        return record.Get(BooleanField{s.ConditionField}) != 0;
    }
    return false;
}

// The characters of a box row, one per box position.
std::string BoxText(const ReturnRecord& record, const form::Stamp& s) {
    const FieldDef& def = DefOf(s.Field);
    std::string text;
    switch (s.Kind) {
    case form::Value::Chars:
        text = record.GetText(def);
        break;
    case form::Value::MMDDYY:
        text = FormatMMDDYY(record.GetDouble(def));
        break;
    case form::Value::Pattern:
        text = ZeroPattern(record.GetMoney(def), s.Pattern);
        break;
    case form::Value::PatternTimes100:
        text = ZeroPatternTimes100(record.GetMoney(def), s.Pattern);
        break;
    case form::Value::PatternOfDouble:
        text = ZeroPatternOfDouble(record.GetDouble(def), s.Pattern);
        break;
    default:
        throw std::logic_error("not a box row");
    }
    switch (s.Preparation) {
    case form::Prep::None:
        return text;
    case form::Prep::Whole:
        return PrepareBoxDigits(text);
    case form::Prep::Cents:
        return PrepareBoxDigitsCents(text);
    }
    return text;
}

void StampValue(PrintRun& run, const form::Stamp& s) {
    run.Pdf.SelectFont(FontIdOf(run, s.Font));
    run.Pdf.SetTextSize(s.Size);
    run.Pdf.SetTextAlign(s.Alignment);
    const ReturnRecord& record = run.Doc.Record;
    if (!ConditionHolds(record, s))
        return;
    if (form::IsBoxRow(s.Kind)) {
        const std::string text = BoxText(record, s);
        for (size_t i = 0; i < s.Xs.size(); ++i)
            run.StampChar(s.Xs[i], s.Y, text, s.Positions[i]);
        return;
    }
    const RegionalSettings& regional = run.Doc.Env().regional;
    const FieldDef& def = DefOf(s.Field);
    switch (s.Kind) {
    case form::Value::Text:
        run.StampText(s.X, s.Y, record.GetText(def));
        break;
    case form::Value::ShortDate:
        if (const DateValue date = record.GetDouble(def); date != 0)
            run.StampText(s.X, s.Y, FormatShortDate(date, regional));
        break;
    case form::Value::Date:
        run.StampDate(s.X, s.Y, record.GetDouble(def));
        break;
    case form::Value::Amount:
        run.StampAmount(s.X, s.Y, record.GetMoney(def));
        break;
    case form::Value::DollarAmount:
        run.StampDollarAmount(s.X, s.Y, record.GetMoney(def));
        break;
    case form::Value::DoubleAmount:
        // A plain double of dollars, taken to four decimals as an amount would be; a value beyond
        // the range of amounts (or not a number) prints nothing.
        if (const std::optional<Money> amount = Money::FromDouble(record.GetDouble(def)))
            run.StampAmount(s.X, s.Y, *amount);
        break;
    case form::Value::Currency:
        run.StampText(s.X, s.Y, FormatCurrency(record.GetMoney(def), regional));
        break;
    case form::Value::Fixed8:
        run.StampText(s.X, s.Y, FormatFixed(record.GetDouble(def), 8, 4));
        break;
    case form::Value::Fixed3:
        run.StampText(s.X, s.Y, FormatFixed(record.GetDouble(def), 3, 4));
        break;
    case form::Value::WholeNumber:
        run.StampText(s.X, s.Y, std::to_string(record.GetInt32(def)));
        break;
    case form::Value::Mark:
        run.StampText(s.X, s.Y, "X");
        break;
    default:
        throw std::logic_error("unknown stamp");
    }
}

void StampPage(PrintRun& run, int templatePage) {
    run.CopyTemplatePage(templatePage);
    run.Pdf.SetTextColor(0, 0, 0);
    for (const form::Stamp& s : form::Layout(templatePage).Stamps)
        StampValue(run, s);
}

} // namespace

void PrintRun::StampForm200() {
    StampPage(*this, form::page::Form200);
    Pdf.CombineLayers();
}

void PrintRun::StampMinMax() {
    StampPage(*this, form::page::MinMax);
    if (Doc.Record.Get(fld::MMAddressChange) != 0)
        StampPage(*this, form::page::MinMaxBack);
}

void PrintRun::StampScheduleA() {
    StampPage(*this, form::page::ScheduleA);
}

void PrintRun::StampScheduleBCD() {
    StampPage(*this, form::page::ScheduleBCD);
}

void PrintRun::StampBalanceSheet() {
    StampPage(*this, form::page::BalanceSheet);
}

void PrintRun::StampForm200F() {
    StampPage(*this, form::page::Form200F);
}

} // namespace qv
