#pragma once

#include "RegionalSettings.h"
#include "ScheduleTable.h"

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace qv::ui {

// A column of a list dialog's grid: a table column with its title and width in pixels (0: from the
// column's display width).
struct GridColumn {
    const char* Field;
    const char* Title = nullptr; // nullptr: the field name
    int Width = 0;
};

// How a schedule table's values are shown: amounts in the user's currency format in the grid and as
// plain fixed-point numbers (two decimals) in an edit field, numbers with a display format ("0.0000")
// in that format in both, other numbers in their shortest form, texts as they are.
QString DisplayText(const ScheduleTable& table, size_t row, size_t column, const RegionalSettings& regional);
// The text of the current (or pending) row's value as an edit field shows it for changing.
QString EditText(const ScheduleTable& table, int column, const RegionalSettings& regional);

// The grid's view of a schedule table: every value is read from the table when the grid paints it,
// so the model holds no copy of the rows and a table of any length opens at once. It follows the
// table's changes through the table's listeners.
class ScheduleTableModel : public QAbstractTableModel {
public:
    ScheduleTableModel(ScheduleTable& table, std::vector<GridColumn> columns,
                       const RegionalSettings& regional, QObject* parent = nullptr);
    ~ScheduleTableModel() override;

    ScheduleTable& Table() const { return table_; }
    const std::vector<GridColumn>& GridColumns() const { return columns_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void TableChanged();

    ScheduleTable& table_;
    std::vector<GridColumn> columns_;
    std::vector<int> fields_; // table column of each grid column
    RegionalSettings regional_;
    int rows_ = 0;
    int listener_ = 0;
};

} // namespace qv::ui
