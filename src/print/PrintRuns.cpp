// The two print runs: Print (every form) and Print Selected (the forms chosen in the dialog).

#include "PrintRuns.h"

#include "AtomicFile.h"
#include "ComputeReturn.h"
#include "Error.h"
#include "PrintRun.h"
#include "uFranchise.h"

#include <filesystem>

namespace qv {

void PrintRun::SchedulesBCDWithContinuations() {
    StampScheduleBCD();
    PrintSubsidiariesContinued();
    PrintAffiliatesContinued();
    PrintCurrentDebtContinued();
}

void PrintRun::BalanceSheetWithSchedules() {
    StampBalanceSheet();
    if (ReadCombineSchedules(Doc)) {
        PrintCombinedBalanceSheetSchedules();
    } else {
        PrintOtherCurrentAssetsSchedule();
        PrintOtherInvestmentsSchedule();
    }
}

void PrintRun::PrintPages(const FormSelection& forms, PageOrder order) {
    if (order == PageOrder::PrintAll) {
        if (forms.Form200)
            StampForm200();
        if (forms.MinMax)
            StampMinMax();
        if (forms.SchedA)
            StampScheduleA();
        if (forms.SchedBCD)
            SchedulesBCDWithContinuations();
        if (forms.BalanceSheet)
            BalanceSheetWithSchedules();
        if (forms.Form200F)
            StampForm200F();
        return;
    }
    if (forms.Form200)
        StampForm200();
    if (forms.BalanceSheet)
        BalanceSheetWithSchedules();
    if (forms.SchedBCD)
        SchedulesBCDWithContinuations();
    if (forms.SchedA)
        StampScheduleA();
    if (forms.MinMax)
        StampMinMax();
    if (forms.Form200F)
        StampForm200F();
}

void CheckPdfPath(const std::string& returnFile, const std::string& pdfPath) {
    if (!returnFile.empty() && SameFile(returnFile, pdfPath))
        throw Error(msg::PdfOverReturnFile(returnFile));
}

bool PrintReturn(Franchise& doc, const FormSelection& forms, PageOrder order, const std::string& templatePath,
                 const std::string& pdfPath) {
    // A return file that itself ends in ".pdf" would be replaced by its own print.
    CheckPdfPath(doc.ReturnFileName, pdfPath);
    // The writer, its documents and fonts live for this run only, and go also when a step fails.
    PdfWriter pdf;
    ComputeReturn(doc);
    ReadWholeDollars(doc);
    PrintRun run(doc, pdf);
    run.SetUp(templatePath);
    run.PrintPages(forms, order);
    return run.Finish(pdfPath);
}

namespace {

// The PDF goes next to the return file; a return that was never saved has no place for it, and
// writing ".pdf" into whatever folder the program runs in would only lose it.
std::string PdfPathOrRefuse(const Franchise& doc) {
    if (doc.ReturnFileName.empty())
        throw Error(std::string(msg::SaveBeforePrinting));
    return PdfPathOf(doc.ReturnFileName);
}

} // namespace

std::string TemplatePathIn(const std::string& programFolder) {
    const std::string beside = programFolder + std::string(kTemplateFileName);
    std::error_code ec;
    if (std::filesystem::exists(PathFromUtf8(beside), ec))
        return beside;
    const std::filesystem::path installed =
        PathFromUtf8(programFolder) / ".." / "share" / "quorvex" / PathFromUtf8(std::string(kTemplateFileName));
    if (std::filesystem::exists(installed, ec))
        return PathToUtf8(installed.lexically_normal());
    return beside;
}

bool PrintAll(Franchise& doc) {
    const std::string pdfPath = PdfPathOrRefuse(doc);
    return PrintReturn(doc, FormSelection{}, PageOrder::PrintAll, TemplatePathIn(doc.ProgramFolder), pdfPath);
}

bool PrintSelected(Franchise& doc, bool balanceSheet, bool schedBCD, bool form200F, bool minMax, bool schedA,
                   bool form200) {
    const std::string pdfPath = PdfPathOrRefuse(doc);
    FormSelection forms;
    forms.BalanceSheet = balanceSheet;
    forms.SchedBCD = schedBCD;
    forms.Form200F = form200F;
    forms.MinMax = minMax;
    forms.SchedA = schedA;
    forms.Form200 = form200;
    return PrintReturn(doc, forms, PageOrder::PrintSelected, TemplatePathIn(doc.ProgramFolder), pdfPath);
}

} // namespace qv
