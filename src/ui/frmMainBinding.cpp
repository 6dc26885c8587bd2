#include "frmMain.h"
#include "MainWindowParts.h"

#include "ComputeReturn.h"

#include "DateEdit.h"
#include "ExactMoney.h"
#include "ListBox.h"
#include "MaskEdit.h"
#include "NumericEdit.h"
#include "fOptions.h"
#include "uFranchise.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <exception>

namespace qv::ui {

using namespace window;

namespace {

bool FlagSet(const ReturnRecord& r, const FieldDef& def) {
    if (def.Kind == FieldKind::Boolean)
        return r.Bytes[def.Offset] != 0;
    return r.GetText(def) == "Y";
}
void SetFlag(ReturnRecord& r, const FieldDef& def, bool set) {
    if (def.Kind == FieldKind::Boolean)
        r.Bytes[def.Offset] = set ? 1 : 0;
    else
        r.SetText(def, set ? "Y" : "N");
}

// A tenth of an amount, to cents, halves away from zero: the penalty of a tax.
Money Tenth(Money amount) {
    return Money::FromUnits(static_cast<int64_t>(
        exact::DivRoundHalfAway(amount.Units(), 10 * exact::kUnitsPerCent) * exact::kUnitsPerCent));
}

Money ItemAmount(const QComboBox* list) {
    if (list->currentIndex() < 0)
        return Money();
    return Money::Parse(list->currentText().toStdString()).value_or(Money());
}

// The Min/Max tax item that shows an amount: 10.00 and 20,000.00 have their own, anything else is 0.00.
int MinMaxTaxItem(Money amount) {
    if (amount == Money::FromDollars(10))
        return 1;
    if (amount == Money::FromDollars(20000))
        return 2;
    return 0;
}

} // namespace

void TfMain::EditOptionsExecute() {
    {
        TfrmOptions options(services_.settings, this);
        options.exec();
    }
    ReadWholeDollarEntry();
    ApplyAmountFormats();
}

void TfMain::ReadWholeDollarEntry() {
    WholeDollarEntry = services_.settings.ReadBool("WholeDollars", false);
}

void TfMain::ApplyAmountFormats() {
    for (NumericEdit* e : entryAmounts_) {
        if (!e->isEnabled())
            continue;
        const QSignalBlocker block(e);
        e->setWholeNumbersOnly(WholeDollarEntry);
        if (WholeDollarEntry)
            e->setDisplayFormat(kWholeEntry, NumericEdit::FormatChange::RoundHalfEven);
        else
            e->setDisplayFormat(kCentsEntry, NumericEdit::FormatChange::Keep);
    }
}

// ---------------------------------------------------------------------------------------------
// The binding and the cycle.

PageTab TfMain::ActiveTab() const {
    return static_cast<PageTab>(pcTax_->currentIndex());
}

void TfMain::RefreshPenalties() {
    // A penalty that is on follows its tax: Min/Max line 4 the item chosen now, Form 200 line 15 the
    // line 12 shown, which is that of the previous computation.
    if (eMMLine4_->money() != Money()) {
        const QSignalBlocker block(eMMLine4_);
        eMMLine4_->setMoney(Tenth(ItemAmount(eMMLine1_)));
    }
    if (e200Line15_->money() != Money()) {
        const QSignalBlocker block(e200Line15_);
        e200Line15_->setMoney(Tenth(e200Line12_->money()));
    }
}

void TfMain::FormToRecord() {
    Modified = true;
    RefreshPenalties();
    ReturnRecord& r = doc_->Record;
    const unsigned tab = 1u << pcTax_->currentIndex();
    for (const Bound& b : bound_) {
        if ((b.Bind->Tabs & tab) == 0)
            continue;
        const FieldDef& def = *b.Def;
        switch (b.Bind->Conversion) {
        case Conv::Text:
            r.SetText(def, ToRecord(static_cast<QLineEdit*>(b.Widget)->text()));
            break;
        case Conv::Masked:
            r.SetText(def, ToRecord(static_cast<MaskEdit*>(b.Widget)->storedText()));
            break;
        case Conv::Amount:
            r.SetMoney(def, static_cast<NumericEdit*>(b.Widget)->money());
            break;
        case Conv::Number:
            r.SetDouble(def, static_cast<NumericEdit*>(b.Widget)->value());
            break;
        case Conv::Whole:
            r.SetInt32(def, static_cast<NumericEdit*>(b.Widget)->intValue());
            break;
        case Conv::Date:
            r.SetDouble(def, static_cast<DateEdit*>(b.Widget)->date());
            break;
        case Conv::DateText:
            r.SetText(def, ToRecord(static_cast<DateEdit*>(b.Widget)->text()));
            break;
        case Conv::Item: {
            auto* list = static_cast<ListBox*>(b.Widget);
            r.SetText(def, list->currentIndex() < 0 ? std::string() : ToRecord(list->currentText()));
            break;
        }
        case Conv::ItemAmount:
            r.SetMoney(def, ItemAmount(static_cast<ListBox*>(b.Widget)));
            break;
        case Conv::Toggle:
            SetFlag(r, def, static_cast<QAbstractButton*>(b.Widget)->isChecked());
            break;
        case Conv::Opposite:
            SetFlag(r, def, !FlagSet(r, *b.PairDef));
            break;
        case Conv::Shown:
        case Conv::ShownIfChanged:
            break;
        }
    }
}

void TfMain::RecordToForm() {
    const ReturnRecord& r = doc_->Record;
    const bool changed = r.IsYes(fld::AddressChange);
    auto setText = [](QLineEdit* e, const QString& text) {
        if (e->text() != text)
            e->setText(text);
    };
    for (const Bound& b : bound_) {
        const FieldDef& def = *b.Def;
        const QSignalBlocker block(b.Widget);
        switch (b.Bind->Conversion) {
        case Conv::Text:
        case Conv::DateText:
            setText(static_cast<QLineEdit*>(b.Widget), FromRecord(r.GetText(def)));
            break;
        case Conv::ShownIfChanged:
            setText(static_cast<QLineEdit*>(b.Widget), changed ? FromRecord(r.GetText(def)) : QString());
            break;
        case Conv::Masked:
        case Conv::Shown: {
            auto* e = static_cast<MaskEdit*>(b.Widget);
            const QString text = FromRecord(r.GetText(def));
            if (e->storedText() != text)
                e->setStoredText(text);
            break;
        }
        case Conv::Amount: {
            auto* e = static_cast<NumericEdit*>(b.Widget);
            const Money m = r.GetMoney(def);
            if (e->text().isEmpty() || e->money() != m)
                e->setMoney(m);
            break;
        }
        case Conv::Number: {
            auto* e = static_cast<NumericEdit*>(b.Widget);
            const double v = r.GetDouble(def);
            if (e->text().isEmpty() || e->value() != v)
                e->setValue(v);
            break;
        }
        case Conv::Whole: {
            auto* e = static_cast<NumericEdit*>(b.Widget);
            const int v = r.GetInt32(def);
            if (e->text().isEmpty() || e->intValue() != v)
                e->setIntValue(v);
            break;
        }
        case Conv::Date: {
            auto* e = static_cast<DateEdit*>(b.Widget);
            const DateValue v = r.GetDouble(def);
            if (e->date() != v || (v == 0) != e->text().isEmpty())
                e->setDate(v);
            break;
        }
        case Conv::Item: {
            auto* list = static_cast<ListBox*>(b.Widget);
            const QString text = FromRecord(r.GetText(def));
            if (list->currentIndex() < 0 || list->currentText() != text)
                list->selectText(text);
            break;
        }
        case Conv::ItemAmount: {
            auto* list = static_cast<ListBox*>(b.Widget);
            const int item = MinMaxTaxItem(r.GetMoney(def));
            if (list->currentIndex() != item)
                list->setCurrentIndex(item);
            break;
        }
        case Conv::Toggle: {
            auto* button = static_cast<QAbstractButton*>(b.Widget);
            const bool set = FlagSet(r, def);
            if (button->isChecked() != set)
                button->setChecked(set);
            break;
        }
        case Conv::Opposite: {
            auto* button = static_cast<QAbstractButton*>(b.Widget);
            const bool set = !FlagSet(r, *b.PairDef);
            if (button->isChecked() != set)
                button->setChecked(set);
            break;
        }
        }
    }
    // The captions follow the amounts: a fee or penalty is on exactly when its line is not zero.
    auto caption = [](QAbstractButton* b, Money line, const char* off) {
        const QString text = line != Money() ? QStringLiteral("Remove") : QString::fromLatin1(off);
        if (b->text() != text)
            b->setText(text);
    };
    caption(btne200Line13_, r.Get(fld::F200Line13), "Add");
    caption(btne200Line15_, r.Get(fld::F200Line15), "Calculate");
    caption(btne200Line16_, r.Get(fld::F200Line16), "Add");
    caption(bMMLine2_, r.Get(fld::MMLine2), "Add");
    caption(bMMLine4_, r.Get(fld::MMLine4), "Calculate");
    caption(bMMLine5_, r.Get(fld::MMLine5), "Add");
}

void TfMain::ComputeAndShow() {
    std::exception_ptr error;
    try {
        ComputeReturn(*doc_);
    } catch (...) {
        error = std::current_exception();
    }
    RecordToForm();
    ShowDiagnostics(error ? MessageOf(error) : std::string());
    if (error)
        std::rethrow_exception(error);
}

void TfMain::eBsEINEnter() {
    FormToRecord();
    ComputeAndShow();
}

void TfMain::e200Line17Exit() {
    eBsEINEnter();
}

// ---------------------------------------------------------------------------------------------
// Entry rules.

void TfMain::ToggleFee(NumericEdit* line, int64_t feeDollars) {
    line->setMoney(line->money() == Money() ? Money::FromDollars(feeDollars) : Money());
    eBsEINEnter();
}

void TfMain::btne200Line13Click() {
    ToggleFee(e200Line13_, 100);
}

void TfMain::btne200Line16Click() {
    ToggleFee(e200Line16_, 15);
}

void TfMain::bMMLine2Click() {
    ToggleFee(eMMLine2_, 100);
}

void TfMain::bMMLine5Click() {
    ToggleFee(eMMLine5_, 15);
}

void TfMain::btne200Line15Click() {
    e200Line15_->setMoney(e200Line15_->money() == Money() ? Tenth(e200Line12_->money()) : Money());
    eBsEINEnter();
}

void TfMain::bMMLine4Click() {
    eMMLine4_->setMoney(eMMLine4_->money() == Money() ? Tenth(ItemAmount(eMMLine1_)) : Money());
    eBsEINEnter();
}

} // namespace qv::ui
