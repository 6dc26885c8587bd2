#pragma once

#include <string>
#include <string_view>

// The print runs: what a run prints and in which order, where its PDF goes, and the two commands
// Print and Print Selected with the settings they read.

namespace qv {

class Franchise;

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
// Where the print runs take the template from: the program folder, as in the build tree and a
// Windows installation, or else the program's data folder of an installation under a prefix
// (bin/../share/quorvex/). When neither holds it, the program folder's path, whose loading fails
// with the print run's own message.
std::string TemplatePathIn(const std::string& programFolder);
// The PDF beside a return file: its path with the extension replaced by ".pdf" (a name without
// extension gets ".pdf" appended). UTF-8 paths.
std::string PdfPathOf(const std::string& returnFileName);

// Refuses (an error) a PDF path that names the return file itself, which the print would destroy.
void CheckPdfPath(const std::string& returnFile, const std::string& pdfPath);

// A whole print run on a return: recomputes it, reads the print settings, and writes the chosen
// forms in the given order to pdfPath from the template at templatePath. Failures to copy a page or
// to write the file are reported through the return's notices. A pdfPath that names the return file
// itself is refused (CheckPdfPath). True when the PDF was written; one that could not be written has
// been reported to the user, and whatever file of that name was there before is not the new one.
bool PrintReturn(Franchise& doc, const FormSelection& forms, PageOrder order, const std::string& templatePath,
                 const std::string& pdfPath);

// Print: recomputes the return and writes the PDF of every form, in Print's order, next to the
// return file under its name with the extension ".pdf", on the template in the program folder.
// A return never saved has no place for its PDF and is refused with an error. True when the PDF
// was written.
bool PrintAll(Franchise& doc);
// Print Selected: as PrintAll, for the forms chosen in its dialog and in its order.
bool PrintSelected(Franchise& doc, bool balanceSheet, bool schedBCD, bool form200F, bool minMax, bool schedA,
                   bool form200);

// The whole-dollar flag of the return from the setting "WholeDollars" (absent: no).
void ReadWholeDollars(Franchise& doc);
// The setting "CombineSchedules" (absent: yes): the balance-sheet schedules share pages.
bool ReadCombineSchedules(const Franchise& doc);

} // namespace qv
