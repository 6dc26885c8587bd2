// The input controls of the form pages, driven offscreen with Qt Test's input functions.

#include "ButtonEdit.h"
#include "DateEdit.h"
#include "DisplayFormat.h"
#include "FormStyle.h"
#include "LinkButton.h"
#include "ListBox.h"
#include "LocaleSettings.h"
#include "MaskEdit.h"
#include "NumericEdit.h"
#include "ToggleButton.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>
#include <string>

using namespace qv;
using namespace qv::ui;

namespace {

RegionalSettings German() {
    RegionalSettings r;
    r.ShortDateFormat = "dd/mm/yyyy";
    r.DateSeparator = '.';
    r.ThousandSeparator = '.';
    r.DecimalSeparator = ',';
    return r;
}

Money Units(int64_t units) {
    return Money::FromUnits(units);
}

template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// A failing case is told by its name.
template <typename Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

// A shown, active window holding the widget under test and a plain edit after it, so that Tab
// leaves the widget the way a user leaves a field.
class Page {
public:
    explicit Page(QWidget* field) : field_(field) {
        auto* layout = new QVBoxLayout(&window_);
        layout->addWidget(field);
        next_ = new QLineEdit(&window_);
        next_->setObjectName(QStringLiteral("next"));
        layout->addWidget(next_);
        window_.show();
        QApplication::setActiveWindow(&window_);
        field->setFocus(Qt::TabFocusReason);
    }
    QWidget& window() { return window_; }
    QLineEdit* next() const { return next_; }
    // Tab out of the field under test.
    void leave() { QTest::keyClick(field_, Qt::Key_Tab); }
    // Select all the field holds and type text over it.
    void typeOver(const QString& text) {
        QTest::keyClick(field_, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field_, Qt::Key_Delete);
        QTest::keyClicks(field_, text);
    }

private:
    QWidget window_;
    QWidget* field_;
    QLineEdit* next_;
};

// ---------------------------------------------------------------------------------------------
// Display formats

struct FormatCase {
    std::string name;
    std::string amount;
    QString format;
    bool german;
    QString shown;
};

class DisplayFormats : public testing::TestWithParam<FormatCase> {};

TEST_P(DisplayFormats, ShowAmount) {
    const FormatCase& c = GetParam();
    const QChar group = c.german ? QLatin1Char('.') : QLatin1Char(',');
    const QChar decimal = c.german ? QLatin1Char(',') : QLatin1Char('.');
    EXPECT_EQ(DisplayFormat(c.format).format(*DecimalNumber::FromPlain(c.amount), group, decimal), c.shown);
}

const QString kCents = QStringLiteral(",0.00;(,0.00)");
const QString kWhole = QStringLiteral(",0;(,0)");
const QString kSpacedCents = QStringLiteral(",0 .0  0;(,0 .0  0)");
const QString kRatio = QStringLiteral("0  0  0  0;(0  0  0  0)");
const QString kShares = QStringLiteral(",0.0000;(,0.0000)");

INSTANTIATE_TEST_SUITE_P(
    Amounts, DisplayFormats,
    testing::Values(FormatCase{"CentsGrouped", "1234.5", kCents, false, "1,234.50"},
                    FormatCase{"CentsMillions", "-1234567.891", kCents, false, "(1,234,567.89)"},
                    FormatCase{"CentsNegativeInParentheses", "-75", kCents, false, "(75.00)"},
                    FormatCase{"CentsZero", "0", kCents, false, "0.00"},
                    FormatCase{"CentsBelowOne", "0.5", kCents, false, "0.50"},
                    FormatCase{"NegativeRoundingToZeroShowsZero", "-0.004", kCents, false, "0.00"},
                    FormatCase{"CentsHalfAwayFromZero", "1234.565", kCents, false, "1,234.57"},
                    FormatCase{"CentsNegativeHalfAwayFromZero", "-0.125", kCents, false, "(0.13)"},
                    FormatCase{"WholeHalfUp", "2.5", kWhole, false, "3"},
                    FormatCase{"WholeNegativeHalf", "-2.5", kWhole, false, "(3)"},
                    FormatCase{"WholeGrouped", "1234567.49", kWhole, false, "1,234,567"},
                    FormatCase{"WholeThousandExactly", "1000", kWhole, false, "1,000"},
                    FormatCase{"SpacedCents", "1234.56", kSpacedCents, false, "1,234 .5  6"},
                    FormatCase{"SpacedCentsNegative", "-1234.56", kSpacedCents, false, "(1,234 .5  6)"},
                    FormatCase{"SpacedCentsZero", "0", kSpacedCents, false, "0 .0  0"},
                    FormatCase{"SpacedCentsBelowOne", "0.07", kSpacedCents, false, "0 .0  7"},
                    FormatCase{"RatioDigits", "1234", kRatio, false, "1  2  3  4"},
                    FormatCase{"RatioLeadingZerosShow", "5", kRatio, false, "0  0  0  5"},
                    FormatCase{"RatioWholeKeepsFifthDigitInFront", "10000", kRatio, false, "10  0  0  0"},
                    FormatCase{"RatioHalfRoundsAway", "3333.5", kRatio, false, "3  3  3  4"},
                    FormatCase{"SharesFourDecimals", "1000.12345", kShares, false, "1,000.1235"},
                    FormatCase{"SharesNegative", "-1", kShares, false, "(1.0000)"},
                    FormatCase{"FiscalYear", "2010", QStringLiteral("0"), false, "2010"},
                    FormatCase{"GermanCents", "1234567.5", kCents, true, "1.234.567,50"},
                    FormatCase{"GermanNegative", "-1234.5", kCents, true, "(1.234,50)"},
                    FormatCase{"GermanSpacedCents", "1234.56", kSpacedCents, true, "1.234 ,5  6"},
                    FormatCase{"GermanWhole", "98765", kWhole, true, "98.765"},
                    FormatCase{"NoNegativeSectionUsesMinus", "-1.5", QStringLiteral("0.00"), false, "-1.50"},
                    FormatCase{"OptionalDigits", "1234.5", QStringLiteral("#,##0.##"), false, "1,234.5"},
                    FormatCase{"OptionalDigitsWholeAmount", "1234", QStringLiteral("#,##0.##"), false,
                               "1,234"},
                    FormatCase{"ZeroSection", "0", QStringLiteral("0.00;(0.00);\"nil\""), false, "nil"},
                    FormatCase{"NoFormatShowsTheAmount", "-1234.5", QString(), false, "-1234.5"}),
    CaseName<FormatCase>);

// ---------------------------------------------------------------------------------------------
// Typing into an amount field and leaving it

struct TypedCase {
    std::string name;
    QString format;
    bool german;
    QString typed;
    QString shown;
    int64_t units;
};

class TypedAmounts : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedAmounts, LeavingShowsAndHoldsTheRoundedAmount) {
    const TypedCase& c = GetParam();
    auto* edit = new NumericEdit;
    if (c.german)
        edit->setRegional(German());
    edit->setDisplayFormat(c.format);
    Page page(edit);
    page.typeOver(c.typed);
    page.leave();
    EXPECT_TRUE(page.next()->hasFocus());
    EXPECT_EQ(edit->text(), c.shown);
    EXPECT_EQ(edit->money(), Units(c.units));
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, TypedAmounts,
    testing::Values(TypedCase{"ThirdDecimalRoundsHalfAway", kCents, false, "1234.565", "1,234.57", 12345700},
                    TypedCase{"GroupingTyped", kCents, false, "1,234.5", "1,234.50", 12345000},
                    TypedCase{"Minus", kCents, false, "-75", "(75.00)", -750000},
                    TypedCase{"Parentheses", kCents, false, "(75)", "(75.00)", -750000},
                    TypedCase{"EmptiedIsZero", kCents, false, "", "0.00", 0},
                    TypedCase{"HalfCent", kCents, false, "0.005", "0.01", 100},
                    TypedCase{"WholeField", kWhole, false, "1234", "1,234", 12340000},
                    TypedCase{"LoneMinusIsZero", kCents, false, "-", "0.00", 0},
                    TypedCase{"GermanSeparators", kCents, true, "1.234,5", "1.234,50", 12345000},
                    TypedCase{"GermanPointIsGrouping", kCents, true, "12.345", "12.345,00", 123450000}),
    CaseName<TypedCase>);

TEST(NumericEdit, TextIsWhatTheUserTypesUntilTheFieldIsLeft) {
    auto* edit = new NumericEdit;
    Page page(edit);
    page.typeOver("1234.565");
    EXPECT_EQ(edit->text(), "1234.565");
    // Read while still typing: the amount the field is about to show.
    EXPECT_EQ(edit->money(), Units(12345700));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "1,234.57");
}

TEST(NumericEdit, FieldHoldingTheFocusIsTinted) {
    auto* edit = new NumericEdit;
    Page page(edit);
    EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Base),
              QColor::fromRgba(kFocusedFieldBackground));
    page.leave();
    EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Base), QColor::fromRgba(kFieldBackground));
    EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Text), NavyColor());
    EXPECT_TRUE(edit->font().bold());
    EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

struct FilterCase {
    std::string name;
    bool wholeOnly;
    bool german;
    QString typed;
    QString text;
};

class TypingFilters : public testing::TestWithParam<FilterCase> {};

TEST_P(TypingFilters, RefusedCharactersNeverReachTheText) {
    const FilterCase& c = GetParam();
    auto* edit = new NumericEdit;
    if (c.german)
        edit->setRegional(German());
    edit->setWholeNumbersOnly(c.wholeOnly);
    edit->clear();
    Page page(edit);
    QTest::keyClicks(edit, c.typed);
    EXPECT_EQ(edit->text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, TypingFilters,
    testing::Values(FilterCase{"WholeOnlyRefusesDecimal", true, false, "12.5", "125"},
                    FilterCase{"WholeOnlyGermanRefusesComma", true, true, "12,5", "125"},
                    FilterCase{"WholeOnlyAcceptsGrouping", true, false, "1,234", "1,234"},
                    FilterCase{"OneDecimalSeparator", false, false, "12.5.3", "12.53"},
                    FilterCase{"LettersRefused", false, false, "1a2b", "12"},
                    FilterCase{"MinusOnlyInFront", false, false, "1-2", "12"},
                    FilterCase{"LeadingMinus", false, false, "-12", "-12"},
                    FilterCase{"SpacesRefused", false, false, "1 2", "12"},
                    FilterCase{"NothingAfterClosingParenthesis", false, false, "(5)7", "(5)"}),
    CaseName<FilterCase>);

TEST(NumericEdit, KeypadDecimalKeyTypesTheLocaleSeparator) {
    auto* edit = new NumericEdit;
    edit->setRegional(German());
    edit->clear();
    Page page(edit);
    QTest::keyClicks(edit, "12");
    QTest::keyClick(edit, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(edit, "5");
    EXPECT_EQ(edit->text(), "12,5");
}

struct SwitchCase {
    std::string name;
    int64_t units;
    QString halfEven;
    QString keep;
};

class WholeDollarSwitch : public testing::TestWithParam<SwitchCase> {};

TEST_P(WholeDollarSwitch, HalvesGoToEvenWhenSwitchedOnAndAwayWhenShown) {
    const SwitchCase& c = GetParam();
    NumericEdit even;
    even.setMoney(Units(c.units));
    even.setDisplayFormat(kWhole, NumericEdit::FormatChange::RoundHalfEven);
    EXPECT_EQ(even.text(), c.halfEven);
    EXPECT_EQ(even.money().Units() % 10000, 0);

    NumericEdit shown;
    shown.setMoney(Units(c.units));
    shown.setDisplayFormat(kWhole);
    EXPECT_EQ(shown.text(), c.keep);
}

INSTANTIATE_TEST_SUITE_P(Amounts, WholeDollarSwitch,
                         testing::Values(SwitchCase{"TwoFiftyToTwo", 25000, "2", "3"},
                                         SwitchCase{"ThreeFiftyToFour", 35000, "4", "4"},
                                         SwitchCase{"Grouped1234_50", 12345000, "1,234", "1,235"},
                                         SwitchCase{"Grouped1235_50", 12355000, "1,236", "1,236"},
                                         SwitchCase{"NegativeHalf", -25000, "(2)", "(3)"},
                                         SwitchCase{"AboveHalf", 25100, "3", "3"},
                                         SwitchCase{"BelowHalf", 24900, "2", "2"}),
                         CaseName<SwitchCase>);

TEST(NumericEdit, SwitchingBackToCentsKeepsTheWholeAmount) {
    NumericEdit edit;
    edit.setMoney(Units(12345000));
    edit.setDisplayFormat(kWhole, NumericEdit::FormatChange::RoundHalfEven);
    edit.setDisplayFormat(kCents);
    EXPECT_EQ(edit.text(), "1,234.00");
    EXPECT_EQ(edit.money(), Units(12340000));
}

TEST(NumericEdit, SetMoneyRoundsHalfAwayToTheDecimalsShown) {
    NumericEdit edit;
    edit.setMoney(Units(12345650));
    EXPECT_EQ(edit.text(), "1,234.57");
    EXPECT_EQ(edit.money(), Units(12345700));
    edit.setMoney(Units(-12345650));
    EXPECT_EQ(edit.text(), "(1,234.57)");
    edit.setDisplayFormat(kSpacedCents);
    edit.setMoney(Units(-7500000));
    EXPECT_EQ(edit.text(), "(750 .0  0)");
    EXPECT_EQ(edit.money(), Units(-7500000));
}

struct RoundTripCase {
    std::string name;
    QString format;
    int64_t units;
};

class MoneyRoundTrips : public testing::TestWithParam<RoundTripCase> {};

TEST_P(MoneyRoundTrips, AnAmountOfTheFieldsPrecisionComesBackExactly) {
    const RoundTripCase& c = GetParam();
    NumericEdit edit;
    edit.setDisplayFormat(c.format);
    edit.setMoney(Units(c.units));
    EXPECT_EQ(edit.money(), Units(c.units));
}

INSTANTIATE_TEST_SUITE_P(Amounts, MoneyRoundTrips,
                         testing::Values(RoundTripCase{"Cents", kCents, 12345600},
                                         RoundTripCase{"NegativeCents", kCents, -100},
                                         RoundTripCase{"Largest", kCents, 999999999999990000},
                                         RoundTripCase{"Whole", kWhole, -20000},
                                         RoundTripCase{"SpacedCents", kSpacedCents, 98765400},
                                         RoundTripCase{"FourDecimals", kShares, 1}),
                         CaseName<RoundTripCase>);

TEST(NumericEdit, DoubleAndIntegerFields) {
    NumericEdit shares;
    shares.setDisplayFormat(kShares);
    shares.setValue(1234.56789);
    EXPECT_EQ(shares.text(), "1,234.5679");
    EXPECT_DOUBLE_EQ(shares.value(), 1234.5679);
    // A double is shown by the decimal it stands for, not by its binary neighbour 2.67499...
    shares.setDisplayFormat(kCents);
    shares.setValue(2.675);
    EXPECT_EQ(shares.text(), "2.68");

    NumericEdit ratio;
    ratio.setDisplayFormat(kRatio);
    ratio.setValue(1234.0);
    EXPECT_EQ(ratio.text(), "1  2  3  4");
    EXPECT_DOUBLE_EQ(ratio.value(), 1234.0);

    auto* year = new NumericEdit;
    year->setDisplayFormat(QStringLiteral("0"));
    year->setIntValue(2010);
    EXPECT_EQ(year->text(), "2010");
    Page page(year);
    page.typeOver("2011");
    page.leave();
    EXPECT_EQ(year->intValue(), 2011);
}

TEST(NumericEdit, RegionalChangeKeepsTheAmount) {
    NumericEdit edit;
    edit.setMoney(Units(12345000));
    edit.setRegional(German());
    EXPECT_EQ(edit.text(), "1.234,50");
    EXPECT_EQ(edit.money(), Units(12345000));
}

TEST(NumericEdit, DisabledFieldShowsItsAmountAndIsSkippedByTab) {
    auto* first = new NumericEdit;
    auto* computed = new NumericEdit;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(first);
    layout->addWidget(computed);
    auto* last = new QLineEdit;
    layout->addWidget(last);
    computed->setMoney(Units(5000000));
    computed->setEnabled(false);
    window.show();
    QApplication::setActiveWindow(&window);
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(last->hasFocus());
    EXPECT_EQ(computed->text(), "500.00");
    EXPECT_EQ(computed->palette().color(QPalette::Disabled, QPalette::Text), NavyColor());
}

// ---------------------------------------------------------------------------------------------
// Masked edits

struct MaskCase {
    std::string name;
    MaskEdit::Mask mask;
    QString typed;
    QString stored;
};

class MaskedEntry : public testing::TestWithParam<MaskCase> {};

TEST_P(MaskedEntry, StoresLiteralsAndBlanksAsSpaces) {
    const MaskCase& c = GetParam();
    auto* edit = new MaskEdit(c.mask);
    Page page(edit);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClicks(edit, c.typed);
    page.leave();
    EXPECT_EQ(edit->storedText(), c.stored);
    EXPECT_EQ(edit->property("text").toString(), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, MaskedEntry,
    testing::Values(MaskCase{"FeinUntouched", MaskEdit::Mask::Fein, "", "  -       "},
                    MaskCase{"FeinFilled", MaskEdit::Mask::Fein, "731234567", "73-1234567"},
                    MaskCase{"FeinPartly", MaskEdit::Mask::Fein, "73", "73-       "},
                    MaskCase{"FeinLettersRefused", MaskEdit::Mask::Fein, "7x3", "73-       "},
                    MaskCase{"SsnUntouched", MaskEdit::Mask::Ssn, "", "   -  -    "},
                    MaskCase{"SsnFilled", MaskEdit::Mask::Ssn, "123456789", "123-45-6789"},
                    MaskCase{"PhoneUntouched", MaskEdit::Mask::Phone, "", "(   )    -    "},
                    MaskCase{"PhoneFilled", MaskEdit::Mask::Phone, "4055551212", "(405) 555-1212"},
                    MaskCase{"PhonePartly", MaskEdit::Mask::Phone, "405", "(405)    -    "}),
    CaseName<MaskCase>);

TEST(MaskEdit, StoredTextShowsAgainExactly) {
    MaskEdit edit(MaskEdit::Mask::Fein);
    edit.setStoredText(QStringLiteral(" 3-12 4567"));
    EXPECT_EQ(edit.storedText(), " 3-12 4567");
    EXPECT_EQ(edit.displayText(), "_3-12_4567");
    edit.setProperty("text", QStringLiteral("73-1234567"));
    EXPECT_EQ(edit.text(), "73-1234567");
    edit.setStoredText(QString());
    EXPECT_EQ(edit.storedText(), "  -       ");
    EXPECT_EQ(edit.displayText(), "__-_______");
}

struct QtMaskCase {
    std::string name;
    QString editMask;
    QString qtMask;
    QString empty;
};

class EditMasks : public testing::TestWithParam<QtMaskCase> {};

TEST_P(EditMasks, TranslateToQtAndStoreBlanksAsSpaces) {
    const QtMaskCase& c = GetParam();
    MaskEdit edit(c.editMask);
    EXPECT_EQ(edit.inputMask(), c.qtMask);
    EXPECT_EQ(edit.storedText(), c.empty);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, EditMasks,
    testing::Values(QtMaskCase{"Fein", MaskEdit::editMaskOf(MaskEdit::Mask::Fein), "00-0000000;_",
                               "  -       "},
                    QtMaskCase{"Phone", MaskEdit::editMaskOf(MaskEdit::Mask::Phone), "(000) 000-0000;_",
                               "(   )    -    "},
                    QtMaskCase{"TableFeinRequiresDigits", "00\\-0000000;1;_", "99-9999999;_", "  -       "},
                    QtMaskCase{"LiteralsNotSaved", "99\\-99;0;_", "00-00;_", "    "},
                    QtMaskCase{"QtSpecialLiteralEscaped", "\\A99;1;*", "\\A00;*", "A  "}),
    CaseName<QtMaskCase>);

// ---------------------------------------------------------------------------------------------
// Date edits

TEST(DateEdit, ShowsTheShortDateAndEmptyForZero) {
    DateEdit edit;
    edit.setDate(EncodeDate(2010, 12, 31));
    EXPECT_EQ(edit.text(), "12/31/2010");
    EXPECT_EQ(edit.date(), EncodeDate(2010, 12, 31));
    edit.setDate(EncodeDate(2011, 1, 5) + 0.75);
    EXPECT_EQ(edit.date(), EncodeDate(2011, 1, 5));
    edit.setDate(0);
    EXPECT_EQ(edit.text(), "");
    EXPECT_EQ(edit.date(), 0);
    edit.setRegional(German());
    edit.setDate(EncodeDate(2010, 3, 1));
    EXPECT_EQ(edit.text(), "01.03.2010");
}

struct DateCase {
    std::string name;
    bool german;
    QString typed;
    QString shown;
    DateValue date;
};

class TypedDates : public testing::TestWithParam<DateCase> {};

TEST_P(TypedDates, LeavingTakesTheDateOrKeepsThePreviousOne) {
    const DateCase& c = GetParam();
    auto* edit = new DateEdit;
    if (c.german)
        edit->setRegional(German());
    edit->setDate(EncodeDate(2010, 6, 30));
    Page page(edit);
    page.typeOver(c.typed);
    page.leave();
    EXPECT_EQ(edit->text(), c.shown);
    EXPECT_EQ(edit->date(), c.date);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, TypedDates,
    testing::Values(DateCase{"FullDate", false, "1/15/2011", "1/15/2011", EncodeDate(2011, 1, 15)},
                    DateCase{"LeadingZeros", false, "03/05/2009", "3/5/2009", EncodeDate(2009, 3, 5)},
                    DateCase{"TwoDigitYear", false, "12/31/10", "12/31/2010", EncodeDate(2010, 12, 31)},
                    DateCase{"OtherSeparator", false, "2-28-2010", "2/28/2010", EncodeDate(2010, 2, 28)},
                    DateCase{"NoSuchDayKeepsPrevious", false, "2/30/2010", "6/30/2010",
                             EncodeDate(2010, 6, 30)},
                    DateCase{"NotADateKeepsPrevious", false, "soon", "6/30/2010", EncodeDate(2010, 6, 30)},
                    DateCase{"MissingYearKeepsPrevious", false, "1/15", "6/30/2010", EncodeDate(2010, 6, 30)},
                    DateCase{"EmptiedIsNoDate", false, "", "", 0},
                    DateCase{"GermanDayFirst", true, "1.2.2011", "01.02.2011", EncodeDate(2011, 2, 1)}),
    CaseName<DateCase>);

TEST(DateEdit, CalendarChoiceSetsTheDateAndClosesUp) {
    auto* edit = new DateEdit;
    edit->setDate(EncodeDate(2010, 6, 30));
    Page page(edit);
    QSignalSpy closeUp(edit, &DateEdit::closeUp);
    auto* button = edit->findChild<QToolButton*>(QStringLiteral("dropDown"));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(edit->isCalendarShown());
    EXPECT_EQ(edit->calendar()->selectedDate(), QDate(2010, 6, 30));
    QWidget* days = edit->calendar()->findChild<QAbstractItemView*>();
    ASSERT_NE(days, nullptr);
    QTest::keyClick(days, Qt::Key_Right);
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_FALSE(edit->isCalendarShown());
    EXPECT_EQ(closeUp.count(), 1);
    EXPECT_EQ(edit->date(), EncodeDate(2010, 7, 1));
    EXPECT_EQ(edit->text(), "7/1/2010");
}

TEST(DateEdit, EscapeClosesUpWithoutChangingTheDate) {
    auto* edit = new DateEdit;
    Page page(edit);
    QSignalSpy closeUp(edit, &DateEdit::closeUp);
    QTest::keyClick(edit, Qt::Key_F4);
    ASSERT_TRUE(edit->isCalendarShown());
    QTest::keyClick(edit->calendar()->findChild<QAbstractItemView*>(), Qt::Key_Escape);
    EXPECT_FALSE(edit->isCalendarShown());
    EXPECT_EQ(closeUp.count(), 1);
    EXPECT_EQ(edit->date(), 0);
    EXPECT_EQ(edit->text(), "");
    QTest::keyClick(edit, Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(edit->isCalendarShown());
    edit->hideCalendar();
    EXPECT_EQ(closeUp.count(), 2);
}

// ---------------------------------------------------------------------------------------------
// Button edits, toggles, lists, links

TEST(ButtonEdit, ButtonIsReachedByMouseAndKeyboard) {
    auto* edit = new ButtonEdit;
    Page page(edit);
    QSignalSpy clicked(edit, &ButtonEdit::buttonClicked);
    auto* button = edit->findChild<QToolButton*>(QStringLiteral("button"));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(edit->rect().contains(button->geometry()));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    QTest::keyClick(edit, Qt::Key_F4);
    QTest::keyClick(edit, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(clicked.count(), 3);
    QTest::keyClicks(edit, "Jan 2010");
    EXPECT_EQ(edit->text(), "Jan 2010");
    EXPECT_TRUE(edit->hasFocus());
    // A field filled only through its dialog still opens it.
    edit->setReadOnly(true);
    QTest::keyClick(edit, Qt::Key_F4);
    EXPECT_EQ(clicked.count(), 4);
}

TEST(ToggleButton, ClickAndSpaceToggle) {
    auto* toggle = new ToggleButton;
    Page page(toggle);
    EXPECT_FALSE(toggle->property("checked").toBool());
    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_TRUE(toggle->isChecked());
    QTest::keyClick(toggle, Qt::Key_Space);
    EXPECT_FALSE(toggle->isChecked());
    QTest::keyClick(toggle, Qt::Key_Space);
    EXPECT_TRUE(toggle->property("checked").toBool());
}

TEST(ToggleButton, SizeFollowsTheFont) {
    ToggleButton toggle;
    const QSize one = toggle.sizeHint();
    EXPECT_EQ(one.width(), one.height());
    EXPECT_GE(one.width(), 14);
    EXPECT_LE(one.width(), 20);
    SetZoomedFont(&toggle, kFieldPointSize, 2.0);
    EXPECT_NEAR(toggle.sizeHint().width(), 2 * one.width(), 1);
}

class ListBoxTest : public testing::Test {
protected:
    void SetUp() override {
        list = new ListBox;
        list->addItems({"10", "09", "08"});
        list->setCurrentIndex(1);
        page = std::make_unique<Page>(list);
    }
    ListBox* list = nullptr;
    std::unique_ptr<Page> page;
};

TEST_F(ListBoxTest, SelectTextTakesOnlyAnEqualItem) {
    EXPECT_FALSE(list->isEditable());
    EXPECT_TRUE(list->selectText("08"));
    EXPECT_EQ(list->property("currentText").toString(), "08");
    EXPECT_FALSE(list->selectText("8"));
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(list->property("currentText").toString(), "");
    EXPECT_FALSE(list->selectText("10 "));
    EXPECT_TRUE(list->selectText("10"));
    EXPECT_EQ(list->currentIndex(), 0);
}

TEST_F(ListBoxTest, TypingCannotAddAnItem) {
    QTest::keyClicks(list, "7");
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentText(), "09");
}

TEST_F(ListBoxTest, CloseUpComesAfterTheChoice) {
    QString textAtCloseUp;
    int closeUps = 0;
    QObject::connect(list, &ListBox::closeUp, [&] {
        textAtCloseUp = list->currentText();
        ++closeUps;
    });
    list->showPopup();
    QAbstractItemView* items = list->view();
    ASSERT_TRUE(items->isVisible());
    QTest::keyClick(items, Qt::Key_Down);
    QTest::keyClick(items, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(closeUps, 1);
    EXPECT_EQ(textAtCloseUp, "08");

    list->showPopup();
    QTest::keyClick(list->view(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(closeUps, 2);
    EXPECT_EQ(list->currentText(), "08");
}

TEST(LinkButton, SpaceAndEnterClickAndTabReachesIt) {
    auto* link = new LinkButton(QStringLiteral("Add More"));
    Page page(link);
    page.next()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(page.next(), Qt::Key_Tab);
    EXPECT_TRUE(link->hasFocus());
    QSignalSpy clicked(link, &QPushButton::clicked);
    QTest::keyClick(link, Qt::Key_Space);
    QTest::keyClick(link, Qt::Key_Return);
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 3);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(link->isVisited());
    link->setVisited();
    EXPECT_TRUE(link->isVisited());
}

// ---------------------------------------------------------------------------------------------
// Locale

struct LocaleCase {
    std::string name;
    QLocale locale;
    std::string shortDate;
    char dateSeparator;
    char thousand;
    char decimal;
    std::string currency;
    int currencyFormat;
    int negativeCurrencyFormat;
    std::string july4th;
};

class LocaleSettings : public testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleSettings, FillEveryRegionalSetting) {
    const LocaleCase& c = GetParam();
    const RegionalSettings r = RegionalSettingsFromLocale(c.locale);
    EXPECT_EQ(r.ShortDateFormat, c.shortDate);
    EXPECT_EQ(r.DateSeparator, c.dateSeparator);
    EXPECT_EQ(r.ThousandSeparator, c.thousand);
    EXPECT_EQ(r.DecimalSeparator, c.decimal);
    EXPECT_EQ(r.CurrencyString, c.currency);
    EXPECT_EQ(r.CurrencyFormat, c.currencyFormat);
    EXPECT_EQ(r.NegativeCurrencyFormat, c.negativeCurrencyFormat);
    EXPECT_EQ(r.CurrencyDecimals, 2);
    EXPECT_EQ(FormatShortDate(EncodeDate(2010, 7, 4), r), c.july4th);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleSettings,
    testing::Values(LocaleCase{"UnitedStates", QLocale(QLocale::English, QLocale::UnitedStates), "m/d/yyyy",
                               '/', ',', '.', "$", 0, 0, "7/4/2010"},
                    LocaleCase{"Germany", QLocale(QLocale::German, QLocale::Germany), "dd/mm/yyyy", '.', '.',
                               ',', "\x80", 3, 8, "04.07.2010"},
                    LocaleCase{"UnitedKingdom", QLocale(QLocale::English, QLocale::UnitedKingdom),
                               "dd/mm/yyyy", '/', ',', '.', "\xA3", 0, 0, "04/07/2010"},
                    LocaleCase{"France", QLocale(QLocale::French, QLocale::France), "dd/mm/yyyy", '/', '\xA0',
                               ',', "\x80", 3, 15, "04/07/2010"},
                    LocaleCase{"CMeansUnitedStates", QLocale::c(), "m/d/yyyy", '/', ',', '.', "$", 0, 0,
                               "7/4/2010"}),
    CaseName<LocaleCase>);

TEST(LocaleSettings, FrenchAmountsGroupWithNoBreakSpace) {
    const RegionalSettings r = RegionalSettingsFromLocale(QLocale(QLocale::French, QLocale::France));
    NumericEdit edit;
    edit.setRegional(r);
    edit.setMoney(Units(12345000));
    EXPECT_EQ(edit.text(), QStringLiteral("1\u00A0234,50"));
    EXPECT_EQ(edit.money(), Units(12345000));
}

// ---------------------------------------------------------------------------------------------
// Pictures: the controls as they look over a page, at zoom 1 and 2. With QV_WIDGET_PICTURES set to
// a folder, the pictures are also written there to be looked at.

int NavyPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 90 && c.red() < 70 && c.green() < 70)
                ++n;
        }
    return n;
}

QImage Picture(QWidget* widget, const QString& name) {
    const QImage image = widget->grab().toImage();
    const QByteArray folder = qgetenv("QV_WIDGET_PICTURES");
    if (!folder.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(folder));
        image.save(QDir(QString::fromLocal8Bit(folder)).filePath(name + QStringLiteral(".png")));
    }
    return image;
}

class Pictures : public testing::TestWithParam<double> {};

TEST_P(Pictures, ControlsAreDrawnLegiblyAtEveryZoom) {
    const double zoom = GetParam();
    const QString suffix = QStringLiteral("_zoom%1").arg(zoom);
    QWidget page;
    page.setAutoFillBackground(true);
    QPalette paper = page.palette();
    paper.setColor(QPalette::Window, Qt::white);
    page.setPalette(paper);
    auto* layout = new QVBoxLayout(&page);
    auto scaled = [&](QWidget* w, int width, int height) {
        SetZoomedFont(w, kFieldPointSize, zoom);
        w->setFixedSize(qRound(width * zoom), qRound(height * zoom));
        layout->addWidget(w);
        return w;
    };
    auto* amount = new NumericEdit;
    amount->setMoney(Units(-123456789012300));
    auto* computed = new NumericEdit;
    computed->setDisplayFormat(kSpacedCents);
    computed->setMoney(Units(98765400));
    computed->setEnabled(false);
    auto* fein = new MaskEdit(MaskEdit::Mask::Fein);
    fein->setStoredText(QStringLiteral("73-12     "));
    auto* date = new DateEdit;
    date->setDate(EncodeDate(2010, 12, 31));
    auto* period = new ButtonEdit;
    period->setText(QStringLiteral("01/01/2010 - 12/31/2010"));
    auto* unchecked = new ToggleButton;
    auto* checked = new ToggleButton;
    checked->setChecked(true);
    auto* list = new ListBox;
    list->addItems({"10", "09"});
    list->setCurrentIndex(1);
    auto* link = new LinkButton(QStringLiteral("(Please attach schedule)"));
    link->setFont(AmountFont());
    scaled(amount, 121, 21);
    scaled(computed, 121, 21);
    scaled(fein, 121, 21);
    scaled(date, 121, 21);
    scaled(period, 200, 21);
    scaled(unchecked, 16, 16);
    scaled(checked, 16, 16);
    scaled(list, 60, 21);
    scaled(link, 180, 18);
    page.adjustSize();
    page.show();
    QApplication::setActiveWindow(&page);
    amount->setFocus();

    Picture(&page, QStringLiteral("page") + suffix);
    EXPECT_GT(NavyPixels(Picture(amount, QStringLiteral("amount") + suffix)), 10 * zoom * zoom);
    EXPECT_GT(NavyPixels(Picture(computed, QStringLiteral("computed") + suffix)), 10 * zoom * zoom);
    EXPECT_GT(NavyPixels(Picture(checked, QStringLiteral("checked") + suffix)), 10 * zoom);
    EXPECT_EQ(NavyPixels(Picture(unchecked, QStringLiteral("unchecked") + suffix)), 0);
    checked->setFocus(Qt::TabFocusReason);
    Picture(checked, QStringLiteral("checked_focused") + suffix);
    link->setFocus(Qt::TabFocusReason);
    Picture(link, QStringLiteral("link_focused") + suffix);
    list->setFocus(Qt::TabFocusReason);
    Picture(list, QStringLiteral("list_focused") + suffix);
    // The whole amount is visible in a box of the page's size, up to the hundred millions.
    EXPECT_LE(amount->fontMetrics().horizontalAdvance(amount->text()), amount->width() - 4);
    EXPECT_LE(computed->fontMetrics().horizontalAdvance(QStringLiteral("(987,654 .0  0)")),
              computed->width() - 4);
}

INSTANTIATE_TEST_SUITE_P(Zoom, Pictures, testing::Values(1.0, 2.0),
                         [](const testing::TestParamInfo<double>& zoom) {
                             return zoom.param == 1.0 ? std::string("One") : std::string("Two");
                         });

// The offscreen platform tells of every window feature it lacks; those notes are not findings.
QtMessageHandler standardHandler = nullptr;

void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (standardHandler)
        standardHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    // Without a screen, also when CTest lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(QuietOffscreenNotes);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
