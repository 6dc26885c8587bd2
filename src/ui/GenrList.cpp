#include "GenrList.h"

#include "Error.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace qv::ui {

namespace {

constexpr const char* kConfirmDelete = "Are you sure you want to delete the current record?";

QPushButton* ActionButton(QAction* action, const char* name, QWidget* parent) {
    auto* b = new QPushButton(action->text(), parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus); // not a tab stop
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, b, [b, action] {
        b->setText(action->text());
        b->setEnabled(action->isEnabled());
        b->setVisible(action->isVisible());
    });
    return b;
}

} // namespace

TfrmGenrList::TfrmGenrList(ScheduleTable& table, std::vector<GridColumn> columns, Prompts& prompts,
                           const RegionalSettings& regional, QWidget* parent)
    : TfrmGenrForm(parent), prompts_(prompts), regional_(regional), table_(table) {
    resize(558, 314);

    model_ = new ScheduleTableModel(table_, std::move(columns), regional_, this);
    grdDB = new QTableView(pnlForm);
    grdDB->setObjectName("grdDB");
    grdDB->setModel(model_);
    grdDB->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdDB->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdDB->setSelectionMode(QAbstractItemView::SingleSelection);
    grdDB->setShowGrid(true);
    grdDB->setWordWrap(false);
    grdDB->verticalHeader()->hide();
    // Every row has one height, which keeps a grid of any number of rows cheap to lay out.
    grdDB->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdDB->verticalHeader()->setDefaultSectionSize(grdDB->fontMetrics().height() + 4);
    grdDB->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grdDB->horizontalHeader()->setHighlightSections(false);
    // The selection shows also while the grid does not have the focus.
    QPalette palette = grdDB->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    grdDB->setPalette(palette);
    const int charWidth = grdDB->fontMetrics().averageCharWidth();
    for (size_t i = 0; i < model_->GridColumns().size(); ++i) {
        const GridColumn& c = model_->GridColumns()[i];
        const ColumnDef& def = table_.Columns()[static_cast<size_t>(table_.ColumnIndex(c.Field))];
        // Without a width of its own a column is as wide as its display width in characters.
        const int displayWidth = def.Type == ColumnType::String ? def.Size : 10;
        grdDB->setColumnWidth(static_cast<int>(i), c.Width > 0 ? c.Width : displayWidth * charWidth + 8);
    }
    auto* formLayout = new QVBoxLayout(pnlForm);
    formLayout->setContentsMargins(0, 0, 0, 0);
    formLayout->addWidget(grdDB);

    actAdd = new QAction("Add", this);
    actAdd->setObjectName("actAdd");
    actEdit = new QAction("Edit", this);
    actEdit->setObjectName("actEdit");
    actDrop = new QAction("Delete", this);
    actDrop->setObjectName("actDrop");
    connect(actAdd, &QAction::triggered, this, &TfrmGenrList::actAddExecute);
    connect(actEdit, &QAction::triggered, this, &TfrmGenrList::actEditExecute);
    connect(actDrop, &QAction::triggered, this, &TfrmGenrList::actDropExecute);

    pmuGrid = new QMenu(this);
    pmuGrid->setObjectName("pmuGrid");
    pmuGrid->addAction(actAdd);
    pmuGrid->addAction(actEdit);
    pmuGrid->addAction(actDrop);
    grdDB->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grdDB, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { pmuGrid->popup(grdDB->viewport()->mapToGlobal(at)); });

    btnClose = new QPushButton("Close", pnlControls);
    btnClose->setObjectName("btnClose");
    btnClose->setFocusPolicy(Qt::NoFocus);
    btnClose->setAutoDefault(false);
    connect(btnClose, &QPushButton::clicked, this, &TfrmGenrList::btnCloseClick);
    btnAdd = ActionButton(actAdd, "btnAdd", pnlControls);
    btnEdit = ActionButton(actEdit, "btnEdit", pnlControls);
    btnDrop = ActionButton(actDrop, "btnDrop", pnlControls);
    for (QPushButton* b : {btnClose, btnAdd, btnEdit, btnDrop})
        ControlsLayout()->addWidget(b);
    ControlsLayout()->addStretch();

    grdDB->installEventFilter(this);
    connect(grdDB, &QAbstractItemView::doubleClicked, this, &TfrmGenrList::grdDBDblClick);
    connect(grdDB->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { CurrentRowChanged(current.row()); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { SelectCurrentRow(); });
    RefreshActions();
}

void TfrmGenrList::showEvent(QShowEvent* event) {
    TfrmGenrForm::showEvent(event);
    RefreshActions();
    grdDB->setFocus(Qt::OtherFocusReason);
}

void TfrmGenrList::RefreshActions() {
    const bool rows = !table_.IsEmpty();
    actAdd->setEnabled(true);
    actAdd->setVisible(true);
    actEdit->setText("Edit");
    actEdit->setEnabled(rows);
    actEdit->setVisible(true);
    actDrop->setEnabled(rows);
    actDrop->setVisible(true);
    SelectCurrentRow();
}

void TfrmGenrList::SelectCurrentRow() {
    if (table_.IsEmpty() || table_.GetState() != ScheduleTable::State::Browse)
        return;
    const int row = static_cast<int>(table_.RecNo());
    if (grdDB->currentIndex().row() == row)
        return;
    selecting_ = true;
    const QModelIndex at = model_->index(row, 0);
    grdDB->selectionModel()->setCurrentIndex(at,
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grdDB->scrollTo(at);
    selecting_ = false;
}

void TfrmGenrList::CurrentRowChanged(int row) {
    if (selecting_ || row < 0 || table_.GetState() != ScheduleTable::State::Browse)
        return;
    if (static_cast<size_t>(row) < table_.RecordCount() && table_.RecNo() != static_cast<size_t>(row))
        table_.MoveTo(static_cast<size_t>(row));
}

void TfrmGenrList::Run(void (TfrmGenrList::*operation)()) {
    try {
        (this->*operation)();
    } catch (const Error& e) {
        table_.Cancel();
        prompts_.Error(e.what());
        RefreshActions();
    }
}

void TfrmGenrList::actAddExecute() {
    grdDB->setFocus(Qt::OtherFocusReason);
    if (actAdd->isEnabled())
        Run(&TfrmGenrList::AddEntry);
}

void TfrmGenrList::actEditExecute() {
    grdDB->setFocus(Qt::OtherFocusReason);
    if (actEdit->isEnabled())
        Run(&TfrmGenrList::EditEntry);
}

void TfrmGenrList::actDropExecute() {
    grdDB->setFocus(Qt::OtherFocusReason);
    if (!actDrop->isEnabled())
        return;
    if (prompts_.Question(kConfirmDelete, Notices::Buttons::YesNo) == Notices::Answer::Yes)
        Run(&TfrmGenrList::DropEntry);
}

void TfrmGenrList::btnCloseClick() {
    grdDB->setFocus(Qt::OtherFocusReason);
    reject();
}

void TfrmGenrList::grdDBDblClick() {
    actEdit->trigger();
}

void TfrmGenrList::EditPendingRow(bool append) {
    if (append)
        table_.Append();
    else
        table_.Edit();
    std::unique_ptr<TfrmGenrEdit> edit = CreateEdit();
    if (edit->exec() == QDialog::Accepted)
        table_.Post();
    else
        table_.Cancel();
    edit.reset();
    RefreshActions();
}

void TfrmGenrList::AddEntry() {
    EditPendingRow(true);
}

void TfrmGenrList::EditEntry() {
    EditPendingRow(false);
}

void TfrmGenrList::DropEntry() {
    table_.Delete();
    RefreshActions();
}

bool TfrmGenrList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grdDB && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            actEditExecute();
            return true;
        case Qt::Key_Insert:
            actAddExecute();
            return true;
        case Qt::Key_Delete:
            actDropExecute();
            return true;
        default:
            break;
        }
    }
    return TfrmGenrForm::eventFilter(watched, event);
}

} // namespace qv::ui
