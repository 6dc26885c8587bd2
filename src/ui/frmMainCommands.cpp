#include "frmMain.h"
#include "MainWindowParts.h"

#include "ComputeReturn.h"
#include "PrintRuns.h"

#include "DateEdit.h"
#include "F200FMonths.h"
#include "ImportReturn.h"
#include "LinkButton.h"
#include "ListBox.h"
#include "NumericEdit.h"
#include "PrintRun.h"
#include "ScheduleDialogs.h"
#include "ScheduleTable.h"
#include "fPostmark.h"
#include "fPrintSelection.h"
#include "fRptPeriod.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <QDir>
#include <QFileInfo>
#include <array>
#include <exception>
#include <filesystem>

namespace qv::ui {

using namespace window;

namespace {

constexpr std::string_view kOverwrite = "OK to overwrite %s";
constexpr std::string_view kFileFilter = "Franchise Files (*.fti)|*.fti|All Files (*.*)|*.*";
constexpr std::string_view kFileSuffix = "fti";

std::string FolderOf(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    QString folder = QDir::toNativeSeparators(info.absolutePath());
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder.toStdString();
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::u8path(path), ec);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// File commands.

bool TfMain::ConfirmDiscard() {
    if (!Modified)
        return true;
    switch (prompts_.Warning(kSaveQuestion, Notices::Buttons::YesNoCancel)) {
    case Notices::Answer::Yes:
        return FileSave1Execute();
    case Notices::Answer::No:
        return true;
    default:
        return false;
    }
}

void TfMain::FileNew1Execute() {
    if (!ConfirmDiscard())
        return;
    CurrentFileName = std::string(kUntitled);
    services_.dm.EmptyAll();
    doc_ = NewReturn();
    Modified = false;
    RecordToForm();
    ShowDiagnostics();
}

void TfMain::FileOpen1Execute() {
    FileImport1Execute();
}

void TfMain::FileImport1Execute() {
    if (!ConfirmDiscard())
        return;
    std::string path;
    if (!PendingFileName.empty()) {
        path = PendingFileName;
        PendingFileName.clear();
    } else {
        std::optional<std::string> chosen = prompts_.OpenFileName(
            {LastDir, std::string(), std::string(kFileFilter), std::string(kFileSuffix)});
        // A cancelled dialog changes nothing: the open return stays as it was.
        if (!chosen)
            return;
        path = *chosen;
    }

    // The file is read into a return of its own; the open return and its schedule tables are given
    // up only once the file has been read, so a file that cannot be read loses nothing.
    std::array<ScheduleTable*, 5> tables = services_.dm.FileTables();
    std::vector<ScheduleTable> kept;
    for (ScheduleTable* t : tables)
        kept.push_back(*t);
    auto restoreTables = [&] {
        for (size_t i = 0; i < tables.size(); ++i)
            *tables[i] = kept[i];
    };
    // The tables belong to the return being opened: a converted return or a new file starts with
    // none of the rows of the return that was open.
    services_.dm.EmptyAll();

    std::unique_ptr<Franchise> fresh = NewReturn();
    const ReturnRecord blank = fresh->Record;
    ImportResult result{ImportOutcome::Missing, 0};
    try {
        BusyCursor busy;
        result = ImportReturn(*fresh, path);
    } catch (...) {
        if (fresh->Record == blank) {
            // Nothing was read: the open return stays, with its name and its mark.
            restoreTables();
            throw;
        }
        // The file was read but its computation stopped: the return is the file's, as read, so the
        // user sees the figures to mend.
        CurrentFileName = fresh->ReturnFileName.empty() ? std::string(kUntitled) : path;
        doc_ = std::move(fresh);
        Modified = false;
        LastDir = FolderOf(path);
        RecordToForm();
        ShowDiagnostics(MessageOf(std::current_exception()));
        throw;
    }
    doc_ = std::move(fresh);
    Modified = false;
    CurrentFileName = result.Outcome == ImportOutcome::Converted ? std::string(kUntitled) : path;
    LastDir = FolderOf(path);
    RecordToForm();
    ShowDiagnostics();
    if (result.Outcome == ImportOutcome::Converted)
        prompts_.Information(ConvertedMessage(result.EditionYear));
}

bool TfMain::FileSave1Execute() {
    FormToRecord();
    if (CurrentFileName.empty() || CurrentFileName == kUntitled)
        return FileSaveAs1Execute();
    WriteReturn();
    return true;
}

bool TfMain::FileSaveAs1Execute() {
    // What the focused field holds goes into the file too, as with Save: a value typed and saved
    // under a new name is never left out while the return counts as saved.
    FormToRecord();
    std::optional<std::string> chosen =
        prompts_.SaveFileName({LastDir, CurrentFileName, std::string(kFileFilter), std::string(kFileSuffix)});
    if (!chosen)
        return false;
    if (FileExists(*chosen)) {
        const std::string_view format = kOverwrite;
        const size_t at = format.find("%s");
        const std::string question =
            std::string(format.substr(0, at)) + *chosen + std::string(format.substr(at + 2));
        if (prompts_.Question(question, Notices::Buttons::YesNoCancel) != Notices::Answer::Yes)
            return false;
    }
    CurrentFileName = *chosen;
    LastDir = FolderOf(CurrentFileName);
    WriteReturn();
    return true;
}

void TfMain::WriteReturn() {
    std::exception_ptr computeError;
    {
        BusyCursor busy;
        try {
            ComputeReturn(*doc_);
        } catch (...) {
            // A computation that stops does not keep the figures from being saved; its message
            // follows the save.
            computeError = std::current_exception();
        }
        doc_->SaveToFile(CurrentFileName);
        RecordToForm();
        Modified = false;
    }
    ShowDiagnostics(computeError ? MessageOf(computeError) : std::string());
    if (computeError)
        std::rethrow_exception(computeError);
}

void TfMain::FileExit1Execute() {
    close();
}

void TfMain::FilePrint1Execute() {
    // The PDF goes next to the return file, so the return is saved first; a save that does not
    // complete prints nothing.
    if (!FileSave1Execute())
        return;
    bool written = false;
    {
        BusyCursor busy;
        written = PrintAll(*doc_);
    }
    // A PDF that could not be written has been reported; the earlier file of that name is not the
    // new one and is not opened as if it were.
    if (!written)
        return;
    NotePrinted();
    prompts_.OpenUrl(PdfPathOf(doc_->ReturnFileName));
}

void TfMain::FilePrintSelectedExecute() {
    // As Print: the values reach the record and the file first, and a save that does not complete
    // prints nothing.
    if (!FileSave1Execute())
        return;
    RunPrintSelection(
        services_.settings, prompts_,
        [this](const FormSelection& forms) -> std::optional<std::string> {
            BusyCursor busy;
            if (!PrintSelected(*doc_, forms.BalanceSheet, forms.SchedBCD, forms.Form200F, forms.MinMax,
                                     forms.SchedA, forms.Form200))
                return std::nullopt;
            NotePrinted();
            return PdfPathOf(doc_->ReturnFileName);
        },
        this);
}

// ---------------------------------------------------------------------------------------------
// The schedule links.

void TfMain::OpenAddMoreList(ScheduleList list, LinkButton* link) {
    link->setVisited();
    ShowScheduleList(list, services_.dm, prompts_, services_.regional, this);
    eBsEINEnter();
}

void TfMain::urlSubsidiariesClick() {
    OpenAddMoreList(ScheduleList::Subsidiaries, Control<LinkButton>("urlSubsidiaries"));
}

void TfMain::urlAffiliatesClick() {
    OpenAddMoreList(ScheduleList::Affiliates, Control<LinkButton>("urlAffiliates"));
}

void TfMain::urlCurrDebtClick() {
    OpenAddMoreList(ScheduleList::CurrDebt, Control<LinkButton>("urlCurrDebt"));
}

void TfMain::AttachSchedule(ScheduleList list, ScheduleTable& table, NumericEdit* everywhere,
                            NumericEdit* oklahoma) {
    // Whatever the user did in the list, and also when it could not be shown (a table whose columns
    // are not ours), the line is the total of the table's rows, summed exactly. A scan that fails
    // leaves the totals it reached, and is reported after the cycle.
    std::exception_ptr listError;
    try {
        ShowScheduleList(list, services_.dm, prompts_, services_.regional, this);
    } catch (...) {
        listError = std::current_exception();
    }
    Money totalEverywhere, totalOklahoma;
    std::exception_ptr scanError;
    table.DisableControls();
    try {
        table.First();
        while (!table.Eof()) {
            totalEverywhere += table.AsMoney("TotalEverywhere");
            totalOklahoma += table.AsMoney("TotalOklahoma");
            table.Next();
        }
    } catch (...) {
        scanError = std::current_exception();
    }
    everywhere->setMoney(totalEverywhere);
    oklahoma->setMoney(totalOklahoma);
    table.EnableControls();
    if (!scanError && !listError) {
        eBsEINEnter();
        return;
    }
    Run([this] { eBsEINEnter(); });
    // The scan usually stops on the column that kept the list from showing: one message for both.
    if (listError && !(scanError && MessageOf(scanError) == MessageOf(listError)))
        Run([&] { std::rethrow_exception(listError); });
    if (scanError)
        std::rethrow_exception(scanError);
}

void TfMain::urlAttachOthCurrAssetsClick() {
    AttachSchedule(ScheduleList::OthCurrAssets, services_.dm.tblOthCurrAssets, Control<NumericEdit>("eBs5a"),
                   Control<NumericEdit>("eBs5b"));
}

void TfMain::urlAttachOthCurrInvestClick() {
    AttachSchedule(ScheduleList::OthCurrInvest, services_.dm.tblOthInvest, Control<NumericEdit>("eBs8a"),
                   Control<NumericEdit>("eBs8b"));
}

// ---------------------------------------------------------------------------------------------
// Reporting period, interest and the Form 200-F months.

void TfMain::EditReportPeriodOf(QLineEdit* edit) {
    QString text = edit->text();
    if (!EditReportingPeriod(text, prompts_, this))
        return;
    edit->setText(text);
    eBsEINEnter();
}

void TfMain::e200ReportPeriodButtonClick() {
    EditReportPeriodOf(Control<QLineEdit>("e200ReportPeriod"));
}

void TfMain::eMMReportPeriodButtonClick() {
    EditReportPeriodOf(Control<QLineEdit>("eMMReportPeriod"));
}

void TfMain::EditInterestFrom(DateEdit* dueDate) {
    auto* postmark = Control<DateEdit>("e200PostMark");
    InterestDates dates{dueDate->date(), postmark->date(), doc_->Record.Get(fld::InterestMonths)};
    // Cancel keeps the due date, the postmark and the months as they were.
    if (!EditInterest(dates, services_.regional, this))
        return;
    {
        const QSignalBlocker blockDue(dueDate), blockPostmark(postmark);
        dueDate->setDate(dates.DueDate);
        postmark->setDate(dates.Postmark);
    }
    // The record takes them too, so the dates are the return's whichever tab the cycle reads.
    ReturnRecord& r = doc_->Record;
    r.Set(fld::DueDate, dates.DueDate);
    r.Set(fld::PostmarkDate, dates.Postmark);
    r.Set(fld::InterestMonths, dates.Months);
    // The first cycle works the interest into the tax; the second lets a penalty that follows line 12
    // see the new tax.
    eBsEINEnter();
    eBsEINEnter();
}

void TfMain::btne200Line14Click() {
    EditInterestFrom(Control<DateEdit>("e200DueDate"));
}

void TfMain::bMMLine3Click() {
    EditInterestFrom(Control<DateEdit>("eMMDueDate"));
}

void TfMain::RTCBeginCloseUp() {
    if (const std::optional<std::string_view> end = F200FEndMonthFor(RTCBegin_->currentText().toStdString()))
        RTCEnd_->selectText(Q(*end));
}

void TfMain::RTCEndCloseUp() {
    if (const std::optional<std::string_view> begin =
            F200FBeginMonthFor(RTCEnd_->currentText().toStdString()))
        RTCBegin_->selectText(Q(*begin));
}

} // namespace qv::ui
