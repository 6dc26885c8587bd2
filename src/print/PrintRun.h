#pragma once

#include "DateValue.h"
#include "Money.h"
#include "PdfWriter.h"
#include "PrintRuns.h"

#include <string>
#include <string_view>

namespace qv {

class Franchise;
class ScheduleTable;

// Document information of every PDF we write.
inline constexpr std::string_view kPdfAuthor = "Ostrel Software";
inline constexpr std::string_view kPdfTitle = "Okla Annual Franchise Tax Return";
std::string PdfCreator();

// One print run: the PDF writer, the template and the output document, the three fonts, and the
// operations that put a return's values on the pages. It lives only while a run goes on.
//
// The page routines set the text state (font, size, alignment, colour) through Pdf before a group of
// values; the stamping primitives use it and never change it. Positions are whole points from the
// top-left corner of the page.
class PrintRun {
public:
    PrintRun(Franchise& doc, PdfWriter& pdf);

    Franchise& Doc;
    PdfWriter& Pdf;
    int TemplateDocument = 0;
    int OutputDocument = 0;
    int CourierFont = 0;
    int HelveticaBoldFont = 0;
    int TimesRomanFont = 0;

    // The set-up after the computation and the whole-dollar setting: loads the template, starts the
    // output document with its information, adds the fonts and sets the top-left origin. A template
    // that cannot be loaded is not reported here; each page copy reports it.
    void SetUp(const std::string& templatePath);
    // The pages of the chosen forms in the run's order, with their continuation schedules.
    void PrintPages(const FormSelection& forms, PageOrder order);
    // Removes the blank page the output started with and writes the PDF; a file that cannot be
    // written is reported to the user. True when written.
    bool Finish(const std::string& pdfPath);

    // Stamping primitives.
    // Draws a text with its baseline 3 points above y; an empty text and the empty masks of an
    // identification number, a phone number and a social security number draw nothing.
    void StampText(int x, int y, std::string_view text);
    // Draws the character at a 1-based position of a text (one digit box); nothing beyond its end.
    void StampChar(int x, int y, std::string_view text, int position);
    // "mm/dd/yyyy" with the user's date separator; a date of 0 draws nothing.
    void StampDate(int x, int y, DateValue date);
    // "%12.0n" in whole-dollar mode, "%12.2n" otherwise; zero draws nothing.
    void StampAmount(int x, int y, Money amount);
    // As StampAmount with a leading "$".
    void StampDollarAmount(int x, int y, Money amount);
    // Appends a template page to the output document and selects it for the stamps that follow.
    // A page that cannot be copied is reported ("Couldn't copy page") and a blank page of the same
    // place takes its stamps, so the pages after it keep their order.
    void CopyTemplatePage(int page);

    // The form pages.
    void StampForm200();
    void StampMinMax();
    void StampScheduleA();
    void StampScheduleBCD();
    void StampBalanceSheet();
    void StampForm200F();

    // The continuation schedules: list rows beyond the form's rows, and the two balance-sheet
    // schedules, on pages of their own. A table without rows prints nothing.
    void PrintSubsidiariesContinued();
    void PrintAffiliatesContinued();
    void PrintCurrentDebtContinued();
    void PrintCombinedBalanceSheetSchedules();
    void PrintOtherCurrentAssetsSchedule();
    void PrintOtherInvestmentsSchedule();

private:
    void SchedulesBCDWithContinuations();
    void BalanceSheetWithSchedules();
};

} // namespace qv
