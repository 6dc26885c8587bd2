#include "ScheduleTableModel.h"

#include "Codepage1252.h"
#include "ValueFormats.h"

#include <cstdio>

namespace qv::ui {

namespace {

QString FromTable(std::string_view text) {
    return IsAscii(text) ? QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))
                         : QString::fromStdString(Cp1252ToUtf8(text));
}

QString WithDecimalSeparator(std::string text, const RegionalSettings& regional) {
    if (regional.DecimalSeparator != '.')
        for (char& c : text)
            if (c == '.')
                c = regional.DecimalSeparator;
    return QString::fromStdString(text);
}

// A number's text under a display format of the kind "0.0000" (the only kind the tables carry):
// fixed point with as many decimals as the format has after its point.
QString FormattedFloat(double value, const std::string& format, const RegionalSettings& regional) {
    const size_t point = format.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(format.size() - point - 1);
    return WithDecimalSeparator(FormatFixed(value, 0, decimals), regional);
}

// A number without a display format: up to 15 significant digits, as short as they allow.
QString GeneralFloat(double value, const RegionalSettings& regional) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return WithDecimalSeparator(buf, regional);
}

} // namespace

QString DisplayText(const ScheduleTable& table, size_t row, size_t column, const RegionalSettings& regional) {
    if (table.NullAt(row, column))
        return QString();
    const ColumnDef& def = table.Columns()[column];
    switch (def.Type) {
    case ColumnType::String:
        return FromTable(table.TextAt(row, column));
    case ColumnType::Currency:
        return QString::fromStdString(FormatCurrency(table.MoneyAt(row, column), regional));
    case ColumnType::Float:
    case ColumnType::Date:
        if (!def.DisplayFormat.empty())
            return FormattedFloat(table.FloatAt(row, column), def.DisplayFormat, regional);
        return GeneralFloat(table.FloatAt(row, column), regional);
    }
    return QString();
}

QString EditText(const ScheduleTable& table, int column, const RegionalSettings& regional) {
    if (table.IsNull(column))
        return QString();
    const ColumnDef& def = table.Columns()[static_cast<size_t>(column)];
    switch (def.Type) {
    case ColumnType::String:
        return FromTable(table.AsText(column));
    case ColumnType::Currency:
        return WithDecimalSeparator(table.AsMoney(column).ToString(regional.CurrencyDecimals), regional);
    case ColumnType::Float:
    case ColumnType::Date:
        if (!def.DisplayFormat.empty())
            return FormattedFloat(table.AsFloat(column), def.DisplayFormat, regional);
        return GeneralFloat(table.AsFloat(column), regional);
    }
    return QString();
}

ScheduleTableModel::ScheduleTableModel(ScheduleTable& table, std::vector<GridColumn> columns,
                                       const RegionalSettings& regional, QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(std::move(columns)), regional_(regional),
      rows_(static_cast<int>(table.RecordCount())) {
    for (const GridColumn& c : columns_)
        fields_.push_back(table_.ColumnIndex(c.Field));
    listener_ = table_.AddListener([this] { TableChanged(); });
}

ScheduleTableModel::~ScheduleTableModel() {
    table_.RemoveListener(listener_);
}

int ScheduleTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ScheduleTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ScheduleTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_)
        return QVariant();
    const size_t field = static_cast<size_t>(fields_[static_cast<size_t>(index.column())]);
    if (role == Qt::DisplayRole)
        return DisplayText(table_, static_cast<size_t>(index.row()), field, regional_);
    if (role == Qt::TextAlignmentRole) {
        const bool number = table_.Columns()[field].Type != ColumnType::String;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    return QVariant();
}

QVariant ScheduleTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(columns_.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    const GridColumn& c = columns_[static_cast<size_t>(section)];
    if (role == Qt::DisplayRole)
        return QString::fromLatin1(c.Title ? c.Title : c.Field);
    return QVariant();
}

void ScheduleTableModel::TableChanged() {
    // Rows come and go one at a time through the dialogs; a load or an empty may change any number.
    // The view asks again for what it shows, so a change of values costs only the visible rows.
    const int rows = static_cast<int>(table_.RecordCount());
    if (rows != rows_) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
    } else if (rows_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    }
}

} // namespace qv::ui
