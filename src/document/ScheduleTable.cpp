#include "ScheduleTable.h"

#include "Error.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace qv {

namespace {

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string FloatText(double v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

[[noreturn]] void NotAFloat(std::string_view text) {
    throw Error("'" + std::string(text) + "' is not a valid floating point value");
}

double ParseFloat(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    double v = 0;
    auto r = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (digits.empty() || r.ec != std::errc() || r.ptr != digits.data() + digits.size())
        NotAFloat(text);
    return v;
}

Money ParseMoney(std::string_view text) {
    std::optional<Money> m = Money::Parse(text);
    if (!m)
        NotAFloat(text);
    return *m;
}

Money MoneyOfDouble(double v) {
    std::optional<Money> m = Money::FromDouble(v);
    if (!m)
        throw Error("Invalid floating point operation");
    return *m;
}

} // namespace

std::string_view ColumnTypeName(ColumnType type) {
    switch (type) {
    case ColumnType::String:
        return "String";
    case ColumnType::Float:
        return "Float";
    case ColumnType::Currency:
        return "Currency";
    case ColumnType::Date:
        return "Date";
    }
    return "String";
}

std::optional<ColumnType> ColumnTypeFromName(std::string_view name) {
    for (ColumnType t : {ColumnType::String, ColumnType::Float, ColumnType::Currency, ColumnType::Date})
        if (ColumnTypeName(t) == name)
            return t;
    return std::nullopt;
}

ScheduleTable::ScheduleTable(std::string name, std::vector<ColumnDef> columns)
    : name_(std::move(name)), columns_(std::move(columns)) {}

void ScheduleTable::SetColumns(std::vector<ColumnDef> columns) {
    Empty();
    columns_ = std::move(columns);
}

int ScheduleTable::FindColumn(std::string_view name) const {
    for (size_t i = 0; i < columns_.size(); ++i)
        if (EqualsIgnoreCase(columns_[i].Name, name))
            return static_cast<int>(i);
    return -1;
}

int ScheduleTable::ColumnIndex(std::string_view name) const {
    int i = FindColumn(name);
    if (i < 0)
        throw Error("Field '" + std::string(name) + "' not found");
    return i;
}

void ScheduleTable::CheckColumn(int column) const {
    if (column < 0 || static_cast<size_t>(column) >= columns_.size())
        throw Error("Field index out of range");
}

void ScheduleTable::First() {
    if (state_ != State::Browse)
        Post();
    current_ = 0;
    eof_ = IsEmpty();
    Notify();
}

void ScheduleTable::Next() {
    if (state_ != State::Browse)
        Post();
    if (current_ + 1 < RecordCount())
        ++current_;
    else
        eof_ = true;
    Notify();
}

void ScheduleTable::MoveTo(size_t row) {
    if (state_ != State::Browse)
        Post();
    if (row >= RecordCount())
        throw Error("Record index out of range");
    current_ = row;
    eof_ = false;
    Notify();
}

void ScheduleTable::Append() {
    if (state_ != State::Browse)
        Post();
    pending_.assign(columns_.size(), PendingValue{});
    state_ = State::Insert;
    Notify();
}

void ScheduleTable::Edit() {
    if (state_ == State::Edit || state_ == State::Insert)
        return;
    if (IsEmpty())
        throw Error("Cannot perform this operation on an empty dataset");
    pending_.clear();
    for (size_t c = 0; c < columns_.size(); ++c)
        pending_.push_back(ValueOfCell(current_, c));
    state_ = State::Edit;
}

ScheduleTable::Cell ScheduleTable::MakeText(size_t column, std::string_view text) {
    int32_t size = columns_[column].Size;
    if (size > 0 && text.size() > static_cast<size_t>(size))
        text = text.substr(0, static_cast<size_t>(size));
    Cell cell;
    cell.Null = false;
    cell.Text = pool_.size();
    cell.Length = static_cast<uint32_t>(text.size());
    pool_.append(text);
    return cell;
}

void ScheduleTable::Post() {
    if (state_ == State::Browse)
        return;
    const size_t n = columns_.size();
    std::vector<Cell> row(n);
    for (size_t c = 0; c < n; ++c) {
        const PendingValue& v = pending_[c];
        if (v.Null)
            continue;
        switch (columns_[c].Type) {
        case ColumnType::String:
            row[c] = MakeText(c, v.Text);
            break;
        case ColumnType::Currency:
            row[c].Null = false;
            row[c].Int = v.Int;
            break;
        case ColumnType::Float:
        case ColumnType::Date:
            row[c].Null = false;
            row[c].Float = v.Float;
            break;
        }
    }
    if (state_ == State::Insert) {
        cells_.insert(cells_.end(), row.begin(), row.end());
        statuses_.push_back(0);
        current_ = RecordCount() - 1;
    } else {
        std::copy(row.begin(), row.end(), cells_.begin() + static_cast<std::ptrdiff_t>(current_ * n));
        statuses_[current_] = 1;
    }
    eof_ = false;
    state_ = State::Browse;
    pending_.clear();
    Notify();
}

void ScheduleTable::Cancel() {
    state_ = State::Browse;
    pending_.clear();
    Notify();
}

void ScheduleTable::Delete() {
    if (state_ == State::Insert) {
        Cancel();
        return;
    }
    Cancel();
    if (IsEmpty())
        throw Error("Cannot perform this operation on an empty dataset");
    const size_t n = columns_.size();
    auto first = cells_.begin() + static_cast<std::ptrdiff_t>(current_ * n);
    cells_.erase(first, first + static_cast<std::ptrdiff_t>(n));
    statuses_.erase(statuses_.begin() + static_cast<std::ptrdiff_t>(current_));
    if (current_ >= RecordCount() && current_ > 0)
        --current_;
    eof_ = IsEmpty();
    if (IsEmpty())
        pool_.clear();
    Notify();
}

void ScheduleTable::Empty() {
    cells_.clear();
    statuses_.clear();
    pool_.clear();
    pending_.clear();
    state_ = State::Browse;
    current_ = 0;
    eof_ = true;
    Notify();
}

ScheduleTable::PendingValue ScheduleTable::ValueOfCell(size_t row, size_t column) const {
    PendingValue v;
    const Cell& cell = CellAt(row, column);
    if (cell.Null)
        return v;
    v.Null = false;
    switch (columns_[column].Type) {
    case ColumnType::String:
        v.Text = std::string(TextAt(row, column));
        break;
    case ColumnType::Currency:
        v.Int = cell.Int;
        break;
    case ColumnType::Float:
    case ColumnType::Date:
        v.Float = cell.Float;
        break;
    }
    return v;
}

const ScheduleTable::PendingValue* ScheduleTable::PendingOrNull(int column) const {
    CheckColumn(column);
    if (state_ != State::Browse)
        return &pending_[static_cast<size_t>(column)];
    return nullptr;
}

bool ScheduleTable::IsNull(int column) const {
    if (const PendingValue* p = PendingOrNull(column))
        return p->Null;
    return IsEmpty() || NullAt(current_, static_cast<size_t>(column));
}

std::string ScheduleTable::AsText(int column) const {
    if (IsNull(column))
        return std::string();
    PendingValue v =
        state_ != State::Browse ? *PendingOrNull(column) : ValueOfCell(current_, static_cast<size_t>(column));
    switch (columns_[static_cast<size_t>(column)].Type) {
    case ColumnType::String:
        return v.Text;
    case ColumnType::Currency:
        return Money::FromUnits(v.Int).ToShortString();
    case ColumnType::Float:
    case ColumnType::Date:
        return FloatText(v.Float);
    }
    return std::string();
}

Money ScheduleTable::AsMoney(int column) const {
    if (IsNull(column))
        return Money();
    PendingValue v =
        state_ != State::Browse ? *PendingOrNull(column) : ValueOfCell(current_, static_cast<size_t>(column));
    switch (columns_[static_cast<size_t>(column)].Type) {
    case ColumnType::String:
        return v.Text.empty() ? Money() : ParseMoney(v.Text);
    case ColumnType::Currency:
        return Money::FromUnits(v.Int);
    case ColumnType::Float:
    case ColumnType::Date:
        return MoneyOfDouble(v.Float);
    }
    return Money();
}

double ScheduleTable::AsFloat(int column) const {
    if (IsNull(column))
        return 0.0;
    PendingValue v =
        state_ != State::Browse ? *PendingOrNull(column) : ValueOfCell(current_, static_cast<size_t>(column));
    switch (columns_[static_cast<size_t>(column)].Type) {
    case ColumnType::String:
        return v.Text.empty() ? 0.0 : ParseFloat(v.Text);
    case ColumnType::Currency:
        return Money::FromUnits(v.Int).ToDouble();
    case ColumnType::Float:
    case ColumnType::Date:
        return v.Float;
    }
    return 0.0;
}

int32_t ScheduleTable::RowStatus() const {
    if (state_ == State::Insert || IsEmpty())
        return 0;
    return statuses_[current_];
}

void ScheduleTable::RequireEditing() const {
    if (state_ == State::Browse)
        throw Error("Dataset not in edit or insert mode");
}

void ScheduleTable::SetText(int column, std::string_view text) {
    RequireEditing();
    CheckColumn(column);
    PendingValue& v = pending_[static_cast<size_t>(column)];
    const ColumnDef& def = columns_[static_cast<size_t>(column)];
    if (def.Type == ColumnType::String) {
        v.Null = false;
        v.Text = std::string(def.Size > 0 ? text.substr(0, static_cast<size_t>(def.Size)) : text);
        return;
    }
    bool blank = text.find_first_not_of(' ') == std::string_view::npos;
    if (blank) {
        v = PendingValue{};
        return;
    }
    if (def.Type == ColumnType::Currency) {
        v.Int = ParseMoney(text).Units();
    } else {
        v.Float = ParseFloat(text);
    }
    v.Null = false;
}

void ScheduleTable::SetMoney(int column, Money value) {
    RequireEditing();
    CheckColumn(column);
    PendingValue& v = pending_[static_cast<size_t>(column)];
    switch (columns_[static_cast<size_t>(column)].Type) {
    case ColumnType::String:
        SetText(column, value.ToShortString());
        return;
    case ColumnType::Currency:
        v.Int = value.Units();
        break;
    case ColumnType::Float:
    case ColumnType::Date:
        v.Float = value.ToDouble();
        break;
    }
    v.Null = false;
}

void ScheduleTable::SetFloat(int column, double value) {
    RequireEditing();
    CheckColumn(column);
    PendingValue& v = pending_[static_cast<size_t>(column)];
    switch (columns_[static_cast<size_t>(column)].Type) {
    case ColumnType::String:
        SetText(column, FloatText(value));
        return;
    case ColumnType::Currency:
        v.Int = MoneyOfDouble(value).Units();
        break;
    case ColumnType::Float:
    case ColumnType::Date:
        v.Float = value;
        break;
    }
    v.Null = false;
}

void ScheduleTable::SetNull(int column) {
    RequireEditing();
    CheckColumn(column);
    pending_[static_cast<size_t>(column)] = PendingValue{};
}

std::string_view ScheduleTable::TextAt(size_t row, size_t column) const {
    const Cell& cell = CellAt(row, column);
    if (cell.Null)
        return std::string_view();
    return std::string_view(pool_.data() + cell.Text, cell.Length);
}

void ScheduleTable::BeginRow(int32_t status) {
    statuses_.push_back(status);
    loadColumn_ = 0;
    rowOpen_ = true;
}

void ScheduleTable::PutNull() {
    cells_.emplace_back();
    ++loadColumn_;
}

void ScheduleTable::PutText(std::string_view text) {
    cells_.push_back(MakeText(loadColumn_++, text));
}

void ScheduleTable::PutMoney(Money value) {
    Cell cell;
    cell.Null = false;
    cell.Int = value.Units();
    cells_.push_back(cell);
    ++loadColumn_;
}

void ScheduleTable::PutFloat(double value) {
    Cell cell;
    cell.Null = false;
    cell.Float = value;
    cells_.push_back(cell);
    ++loadColumn_;
}

void ScheduleTable::EndRow() {
    rowOpen_ = false;
    current_ = RecordCount() - 1;
    eof_ = false;
}

void ScheduleTable::AbortRow() {
    if (rowOpen_) {
        statuses_.pop_back();
        cells_.resize(statuses_.size() * columns_.size());
        rowOpen_ = false;
    }
    loadColumn_ = 0;
}

void ScheduleTable::EnableControls() {
    if (disabled_ > 0 && --disabled_ == 0)
        Notify();
}

int ScheduleTable::AddListener(Listener listener) {
    listeners_.emplace_back(nextListener_, std::move(listener));
    return nextListener_++;
}

void ScheduleTable::RemoveListener(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void ScheduleTable::Notify() {
    if (disabled_ > 0)
        return;
    for (auto& entry : listeners_)
        entry.second();
}

} // namespace qv
