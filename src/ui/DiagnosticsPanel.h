#pragma once

#include "Diagnostics.h"

#include <QDockWidget>
#include <QString>
#include <cstddef>
#include <vector>

class QTreeWidget;

namespace qv::ui {

// The Diagnostics panel: a dock under the pages listing what may be wrong with the return, one row a
// finding with its severity icon, its message and its code. It is shown while there are findings
// and the user wants it; the window refreshes it after every recalculation cycle.
//
// Activating a row (double click, or Enter) emits findingActivated; the window takes the user to
// the field.
class DiagnosticsPanel : public QDockWidget {
    Q_OBJECT

public:
    explicit DiagnosticsPanel(QWidget* parent = nullptr);

    // Replaces the list. The row that was current stays current when its finding is still there.
    void setFindings(std::vector<Finding> findings);
    const std::vector<Finding>& findings() const { return findings_; }
    size_t errorCount() const;
    size_t warningCount() const;

    // Whether the user wants the panel: the View menu's check mark. The panel shows while this is
    // set and there is something to show; turned on with nothing to show, it says so until the next
    // refresh.
    void setWanted(bool wanted);
    bool wanted() const { return wanted_; }

    QTreeWidget* list() const { return list_; }

    // Makes the finding after the current one (the first when none is, wrapping) current and
    // activates it.
    void activateNext();

    // "2 errors, 1 warning", "No errors or warnings".
    static QString CountText(size_t errors, size_t warnings);

signals:
    void findingActivated(const qv::Finding& finding);
    // The user closed the panel with its own close button.
    void wantedChanged(bool wanted);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Fill();
    void UpdateVisibility(bool showEmpty);

    QTreeWidget* list_ = nullptr;
    std::vector<Finding> findings_;
    bool wanted_ = true;
};

} // namespace qv::ui
