#pragma once

#include "GenrEdit.h"
#include "GenrForm.h"
#include "Prompts.h"
#include "RegionalSettings.h"
#include "ScheduleTableModel.h"

#include <memory>
#include <vector>

class QAction;
class QMenu;
class QPushButton;
class QTableView;

namespace qv::ui {

// The generic list dialog of one schedule table: the rows in a grid, and Add, Edit and Delete, also
// by Insert, Enter and Delete in the grid and by a double click. Escape closes it. It leaves the
// table in browse state whenever it waits for the user, so closing it never leaves a row half
// stored. A derived list names its table, grid columns and edit dialog.
class TfrmGenrList : public TfrmGenrForm {
public:
    TfrmGenrList(ScheduleTable& table, std::vector<GridColumn> columns, Prompts& prompts,
                 const RegionalSettings& regional, QWidget* parent = nullptr);

    // Edit and Delete are possible exactly when the table has rows; all three stay visible.
    void RefreshActions();

    ScheduleTable& Table() const { return table_; }

protected:
    // The edit dialog of the table's pending row, owned by this list.
    virtual std::unique_ptr<TfrmGenrEdit> CreateEdit() = 0;

    // The three table operations: append a row and store it when its edit dialog closes with OK;
    // change the selected row likewise; delete the selected row.
    virtual void AddEntry();
    virtual void EditEntry();
    virtual void DropEntry();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

    Prompts& prompts_;
    RegionalSettings regional_;

    QTableView* grdDB;
    QMenu* pmuGrid;
    QPushButton* btnClose;
    QPushButton* btnAdd;
    QPushButton* btnEdit;
    QPushButton* btnDrop;
    QAction* actAdd;
    QAction* actEdit;
    QAction* actDrop;

private:
    void actAddExecute();
    void actEditExecute();
    void actDropExecute();
    void btnCloseClick();
    void grdDBDblClick();
    // Runs an entry operation; a failure of the table is shown and leaves the table in browse state.
    void Run(void (TfrmGenrList::*operation)());
    // The table's current row becomes the grid's selected row, and the other way round.
    void SelectCurrentRow();
    void CurrentRowChanged(int row);
    // Appends (or changes) the pending row and shows the edit dialog; stores it on OK.
    void EditPendingRow(bool append);

    ScheduleTable& table_;
    ScheduleTableModel* model_;
    bool selecting_ = false;
};

} // namespace qv::ui
