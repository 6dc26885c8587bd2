#pragma once

#include "Prompts.h"
#include "RecordFields.h"
#include "Services.h"

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QLineEdit;
class QTabWidget;
class QToolButton;

namespace qv {
class Franchise;
struct Finding;
class ScheduleTable;
} // namespace qv

namespace qv::ui {

class DateEdit;
class DiagnosticsPanel;
class FormPageScroll;
class LinkButton;
class ListBox;
class NumericEdit;
enum class ScheduleList;

// The tabs of pcTax, in their order.
enum class PageTab : uint8_t { BalSheet, SchedBCD, F200, SchedA, MinMax, F200F, Count };

// The main window: six tabs with a picture of each form page and the controls laid over its boxes,
// the menus and toolbar of the file commands, and the one open return. The controls are the working
// copy of the return; the recalculation cycle (FormToRecord, ComputeReturn, RecordToForm) runs when
// the user moves into a field.
//
// Commands called directly (as the tests do) raise the errors that end them; the window's actions
// show those in the error box.
class TfMain : public QMainWindow {
    Q_OBJECT

public:
    // Creates the window and a new return; touches no schedule table.
    TfMain(Services& services, Prompts& prompts, QWidget* parent = nullptr);
    ~TfMain() override;

    // The file Save writes to: a path (UTF-8), or "Untitled".
    std::string CurrentFileName;
    // The folder last used for return files, with its trailing separator.
    std::string LastDir;
    // Set by every FormToRecord; cleared by New, an import and a completed save.
    bool Modified = false;
    // The file named on the command line, opened at the first showing.
    std::string PendingFileName;
    // A copy of the WholeDollars setting: amount fields take whole dollars only.
    bool WholeDollarEntry = false;

    Franchise& Doc() { return *doc_; }
    // The folder of the program, with its trailing separator.
    std::string ProgramFolder() const;

    // File commands. The save commands return true when the return was written.
    void FileNew1Execute();
    void FileOpen1Execute();
    bool FileSave1Execute();
    bool FileSaveAs1Execute();
    void FileImport1Execute();
    void FileExit1Execute();
    void FilePrint1Execute();
    void FilePrintSelectedExecute();
    void EditOptionsExecute();

    // Help commands.
    void HelpAbout1Execute();
    void actSupportExecute();
    void actCheckForUpdatesExecute();

    // The schedule links: the "Add More" lists of Schedules C and D, and the attach-schedule lists
    // whose totals are balance-sheet lines 5 and 8.
    void urlSubsidiariesClick();
    void urlAffiliatesClick();
    void urlCurrDebtClick();
    void urlAttachOthCurrAssetsClick();
    void urlAttachOthCurrInvestClick();

    // The reporting period and interest dialogs, and the Form 200-F months that follow each other.
    void e200ReportPeriodButtonClick();
    void eMMReportPeriodButtonClick();
    void btne200Line14Click();
    void bMMLine3Click();
    void RTCBeginCloseUp();
    void RTCEndCloseUp();

    // The binding and the recalculation cycle.
    void FormToRecord();
    void RecordToForm();
    void eBsEINEnter();
    void e200Line17Exit();

    // Entry rules of the Form 200 and Min/Max lines.
    void btne200Line13Click();
    void btne200Line15Click();
    void btne200Line16Click();
    void bMMLine2Click();
    void bMMLine4Click();
    void bMMLine5Click();

    // Options.
    void ReadWholeDollarEntry();
    void ApplyAmountFormats();

    // Zoom of all six pages together.
    void ZoomIn();
    void ZoomOut();
    void ResetZoom();
    double Zoom() const;

    // Diagnostics: the panel under the pages, refreshed by every cycle, and the way to a finding's
    // field: its tab is shown and the control of its first field takes the focus (for a schedule
    // row, the link that opens the list).
    DiagnosticsPanel* Diagnostics() const { return diagnostics_; }
    void GoToFinding(const Finding& finding);

    PageTab ActiveTab() const;
    QTabWidget* Tabs() const { return pcTax_; }
    FormPageScroll* Page(PageTab tab) const { return pages_[static_cast<size_t>(tab)]; }
    // The controls of a page in tab order.
    const std::vector<QWidget*>& PageControls(PageTab tab) const { return order_[static_cast<size_t>(tab)]; }

signals:
    // The first showing has finished, including the opening of the pending file.
    void readyForInput();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    struct Bound;

    void FormCreate();
    void FormShow();
    // Asks before unsaved work is replaced; false when the command must stop.
    bool ConfirmDiscard();
    // Computes the return and writes it to CurrentFileName.
    void WriteReturn();
    // The new return of a fresh start.
    std::unique_ptr<Franchise> NewReturn() const;
    // The cycle's computation; a computation that stops leaves what it reached and is reported after
    // the controls show it.
    void ComputeAndShow();
    // Runs a command from a menu, a button or a key; the error that ends it goes to the error box.
    template <class F>
    void Run(F&& command);

    void BuildPages();
    void BuildActions();
    void BuildDiagnostics(QMenu* view);
    // Lists the findings of the return as it stands; the message of a computation that stopped
    // becomes one of them.
    void ShowDiagnostics(std::string_view computationError = {});
    // After a print: the status bar says when the printed return has errors.
    void NotePrinted();
    // The control that shows a field, preferring one that takes the focus, on the tab shown.
    QWidget* ControlOf(FieldId field) const;
    void UpdateEditActions();
    void RefreshPenalties();
    void ToggleFee(NumericEdit* line, int64_t feeDollars);
    void OpenAddMoreList(ScheduleList list, LinkButton* link);
    // Shows the list and totals the table's two amount columns into the balance-sheet line.
    void AttachSchedule(ScheduleList list, ScheduleTable& table, NumericEdit* everywhere,
                        NumericEdit* oklahoma);
    void EditReportPeriodOf(QLineEdit* edit);
    void EditInterestFrom(DateEdit* dueDate);
    // Moves the focus to the next (or previous) control of the page that can take it, wrapping.
    bool MoveFocus(QWidget* from, bool next);
    QWidget* Control(const char* name) const;
    template <class T>
    T* Control(const char* name) const;

    Services& services_;
    Prompts& prompts_;
    std::unique_ptr<Franchise> doc_;
    bool shown_ = false;

    QTabWidget* pcTax_ = nullptr;
    std::vector<FormPageScroll*> pages_;
    std::vector<std::vector<QWidget*>> order_;
    std::vector<Bound> bound_;
    std::unordered_map<const QObject*, unsigned> triggers_;
    std::unordered_map<const QObject*, PageTab> pageOf_;
    std::vector<NumericEdit*> entryAmounts_;

    // Controls the entry rules use.
    NumericEdit *e200Line12_ = nullptr, *e200Line13_ = nullptr, *e200Line15_ = nullptr,
                *e200Line16_ = nullptr;
    NumericEdit *eMMLine2_ = nullptr, *eMMLine4_ = nullptr, *eMMLine5_ = nullptr;
    ListBox* eMMLine1_ = nullptr;
    QAbstractButton *btne200Line13_ = nullptr, *btne200Line14_ = nullptr, *btne200Line15_ = nullptr,
                    *btne200Line16_ = nullptr;
    QAbstractButton *bMMLine2_ = nullptr, *bMMLine3_ = nullptr, *bMMLine4_ = nullptr, *bMMLine5_ = nullptr;
    ListBox *RTCBegin_ = nullptr, *RTCEnd_ = nullptr;

    QAction *FileNew1_ = nullptr, *FileOpen1_ = nullptr, *FileSave1_ = nullptr, *FileSaveAs1_ = nullptr,
            *FileImport1_ = nullptr, *FilePrint1_ = nullptr, *FilePrintSelected_ = nullptr,
            *FileExit1_ = nullptr;
    QAction *EditCut1_ = nullptr, *EditCopy1_ = nullptr, *EditPaste1_ = nullptr, *EditOptions_ = nullptr;
    QAction* ViewDiagnostics_ = nullptr;
    DiagnosticsPanel* diagnostics_ = nullptr;
    QLabel* diagnosticsCount_ = nullptr;
    QLineEdit* editTarget_ = nullptr;
    QMetaObject::Connection selectionWatch_;
};

} // namespace qv::ui
