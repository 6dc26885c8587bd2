#include "frmMain.h"
#include "MainWindowParts.h"

#include "Diagnostics.h"
#include "DiagnosticsPanel.h"
#include "FormPageScroll.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

namespace qv::ui {

using namespace window;

namespace {

// The link that opens the list of a schedule table's rows.
const char* LinkOfTable(std::string_view table) {
    struct Link {
        std::string_view Table;
        const char* Control;
    };
    static constexpr Link kLinks[] = {{"tblSubsidiaries", "urlSubsidiaries"},
                                      {"tblAffiliates", "urlAffiliates"},
                                      {"tblCurrDebt", "urlCurrDebt"},
                                      {"tblOthCurrAssets", "urlAttachOthCurrAssets"},
                                      {"tblOthInvest", "urlAttachOthCurrInvest"}};
    for (const Link& l : kLinks)
        if (l.Table == table)
            return l.Control;
    return nullptr;
}

} // namespace

void TfMain::BuildDiagnostics(QMenu* view) {
    diagnostics_ = new DiagnosticsPanel(this);
    addDockWidget(Qt::BottomDockWidgetArea, diagnostics_);

    ViewDiagnostics_ = new QAction("&Diagnostics", this);
    ViewDiagnostics_->setObjectName("ViewDiagnostics");
    ViewDiagnostics_->setCheckable(true);
    ViewDiagnostics_->setToolTip("Diagnostics");
    ViewDiagnostics_->setStatusTip("Shows the mistakes found in the return under the pages");
    auto* next = new QAction("&Next Finding", this);
    next->setObjectName("ViewNextFinding");
    next->setShortcut(QKeySequence(Qt::Key_F8));
    next->setToolTip("Next Finding");
    next->setStatusTip("Goes to the field of the next finding of the diagnostics");
    view->addSeparator();
    view->addActions({ViewDiagnostics_, next});

    const bool wanted = services_.settings.ReadBool("ShowDiagnostics", true);
    ViewDiagnostics_->setChecked(wanted);
    diagnostics_->setWanted(wanted);
    connect(ViewDiagnostics_, &QAction::toggled, this, [this](bool on) {
        diagnostics_->setWanted(on);
        services_.settings.WriteBool("ShowDiagnostics", on);
    });
    // The panel's own close button is the menu item turned off.
    connect(diagnostics_, &DiagnosticsPanel::wantedChanged, ViewDiagnostics_, &QAction::setChecked);
    connect(next, &QAction::triggered, diagnostics_, &DiagnosticsPanel::activateNext);
    connect(diagnostics_, &DiagnosticsPanel::findingActivated, this, [this](const Finding& finding) {
        // The list may be refreshed under the finding; go by a copy.
        const Finding f = finding;
        GoToFinding(f);
    });

    diagnosticsCount_ = new QLabel(this);
    diagnosticsCount_->setObjectName("lblDiagnostics");
    statusBar()->addPermanentWidget(diagnosticsCount_);
}

void TfMain::ShowDiagnostics(std::string_view computationError) {
    const bool wasShown = !diagnostics_->isHidden();
    diagnostics_->setFindings(Diagnose(*doc_, computationError));
    if (!wasShown && !diagnostics_->isHidden()) {
        // The panel takes its room from the page: once the window has laid itself out again, the
        // field being typed in is scrolled back into view if the panel now covers it.
        QTimer::singleShot(0, this, [this] {
            QWidget* focus = QApplication::focusWidget();
            const auto page = pageOf_.find(focus);
            if (page != pageOf_.end())
                Page(page->second)->ensureWidgetVisible(focus);
        });
    }
    diagnosticsCount_->setText(
        DiagnosticsPanel::CountText(diagnostics_->errorCount(), diagnostics_->warningCount()));
}

void TfMain::NotePrinted() {
    const size_t errors = diagnostics_->errorCount();
    if (errors == 0) {
        statusBar()->clearMessage();
        return;
    }
    statusBar()->showMessage(QString("The printed return has %1 %2; see Diagnostics")
                                 .arg(errors)
                                 .arg(errors == 1 ? "error" : "errors"));
}

QWidget* TfMain::ControlOf(FieldId field) const {
    // A control of the tab shown that takes the focus, else one of another tab, else one that only
    // shows the field.
    QWidget *elsewhere = nullptr, *shown = nullptr;
    for (const Bound& b : bound_) {
        if (b.Bind->Field != field)
            continue;
        if (TakesFocus(b.Widget)) {
            if (pageOf_.at(b.Widget) == ActiveTab())
                return b.Widget;
            if (elsewhere == nullptr)
                elsewhere = b.Widget;
        } else if (shown == nullptr) {
            shown = b.Widget;
        }
    }
    return elsewhere != nullptr ? elsewhere : shown;
}

void TfMain::GoToFinding(const Finding& finding) {
    QWidget* target = nullptr;
    for (FieldId field : finding.Fields)
        if ((target = ControlOf(field)) != nullptr)
            break;
    if (target == nullptr)
        for (const Finding::Row& row : finding.Rows)
            if (const char* link = LinkOfTable(row.Table)) {
                target = Control(link);
                break;
            }
    if (target == nullptr)
        return;

    const PageTab tab = pageOf_.at(target);
    pcTax_->setCurrentIndex(static_cast<int>(tab));
    FormPageScroll* page = Page(tab);
    page->ensureWidgetVisible(target);
    // A computed line takes no focus; the entry before it on the page, one of those it adds up, does.
    QWidget* focus = target;
    if (!TakesFocus(focus)) {
        const std::vector<QWidget*>& order = PageControls(tab);
        const auto at = std::find(order.begin(), order.end(), target);
        const auto before = std::find_if(std::make_reverse_iterator(at), order.rend(), TakesFocus);
        const auto after = std::find_if(at, order.end(), TakesFocus);
        focus = before != order.rend() ? *before : after != order.end() ? *after : nullptr;
        if (focus == nullptr)
            return;
        page->ensureWidgetVisible(focus);
    }
    // Not the user entering a field: no cycle runs, and what the field holds is selected to be typed
    // over.
    activateWindow();
    focus->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(focus))
        edit->selectAll();
}

} // namespace qv::ui
