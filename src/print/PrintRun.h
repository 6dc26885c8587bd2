#pragma once

#include "DateValue.h"
#include "Money.h"
#include "PdfWriter.h"

#include <string>
#include <string_view>

namespace qv {

class Franchise;
class ScheduleTable;

// Which forms a run prints. Every form by default, as Print does.
struct FormSelection {
    bool Form200 = true;
    bool BalanceSheet = true;
    bool SchedBCD = true;
    bool SchedA = true;
    bool MinMax = true;
    bool Form200F = true;
};

// The two page orders: Print's (Form 200, minimum/maximum, Schedule A, Schedules B-C-D, balance
// sheet, Form 200-F) and Print Selected's (Form 200, balance sheet, Schedules B-C-D, Schedule A,
// minimum/maximum, Form 200-F).
enum class PageOrder { PrintAll, PrintSelected };

// Messages of a print run, exactly as the user sees them.
namespace msg {
inline constexpr std::string_view CouldNotCopyPage = "Couldn't copy page";
inline constexpr std::string_view CouldNotCreatePdf =
    "Could not create Adobe PDF File.  Please make sure you close \r\n"
    "the previous file in Adobe Reader before trying to print again.";
inline constexpr std::string_view SaveBeforePrinting =
    "Please save the return before printing it: the PDF is written next to the return file.";
// "The PDF cannot be written over the return file " + name + "."
inline std::string PdfOverReturnFile(std::string_view returnFile) {
    return "The PDF cannot be written over the return file " + std::string(returnFile) + ".";
}
} // namespace msg

// The file name of the form template, looked for in the program folder.
inline constexpr std::string_view kTemplateFileName = "base.ftb";
// Document information of every PDF we write.
inline constexpr std::string_view kPdfAuthor = "Ostrel Software";
inline constexpr std::string_view kPdfTitle = "Okla Annual Franchise Tax Return";
std::string PdfCreator();

// The PDF beside a return file: its path with the extension replaced by ".pdf" (a name without
// extension gets ".pdf" appended). UTF-8 paths.
std::string PdfPathOf(const std::string& returnFileName);

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

// Refuses (an error) a PDF path that names the return file itself, which the print would destroy.
void CheckPdfPath(const std::string& returnFile, const std::string& pdfPath);

// A whole print run on a return: recomputes it, reads the print settings, and writes the chosen
// forms in the given order to pdfPath from the template at templatePath. Failures to copy a page or
// to write the file are reported through the return's notices. A pdfPath that names the return file
// itself is refused (CheckPdfPath). True when the PDF was written.
bool PrintReturn(Franchise& doc, const FormSelection& forms, PageOrder order, const std::string& templatePath,
                 const std::string& pdfPath);

} // namespace qv
