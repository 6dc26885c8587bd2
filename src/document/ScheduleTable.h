#pragma once

#include "Money.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

enum class ColumnType : uint8_t { String, Float, Currency, Date };

struct ColumnDef {
    std::string Name;
    ColumnType Type = ColumnType::String;
    int32_t Size = 0; // characters of a String column; 0 for the others
    std::string EditMask;
    std::string DisplayFormat; // shown by the dialogs only; not part of a table stream
    friend bool operator==(const ColumnDef&, const ColumnDef&) = default;
};

// The name a table stream gives a column type ("String", "Float", "Currency", "Date").
std::string_view ColumnTypeName(ColumnType type);
std::optional<ColumnType> ColumnTypeFromName(std::string_view name);

// One in-memory schedule table: fixed columns, rows in the order they were appended or loaded, any
// value null, and a change status per row (0 appended, 1 changed and stored again; 2 and 3 only
// arrive from streams). A cursor walks the rows; appending or changing a row goes through a pending
// copy that Post stores and Cancel drops, as the list dialogs expect.
//
// Rows are kept compactly, one 16-byte cell per value with the texts in one pool, because a return
// may carry hundreds of thousands of rows and must load in a fraction of a second.
class ScheduleTable {
public:
    enum class State { Browse, Insert, Edit };

    explicit ScheduleTable(std::string name, std::vector<ColumnDef> columns = {});

    const std::string& Name() const { return name_; }
    const std::vector<ColumnDef>& Columns() const { return columns_; }
    // Replaces the columns; every row is discarded.
    void SetColumns(std::vector<ColumnDef> columns);
    // The column of that name (case-insensitive), or -1.
    int FindColumn(std::string_view name) const;
    // As FindColumn, but a missing column is an error "Field 'name' not found".
    int ColumnIndex(std::string_view name) const;

    size_t RecordCount() const { return statuses_.size(); }
    bool IsEmpty() const { return statuses_.empty(); }

    // Cursor. Eof is true on an empty table and after Next has passed the last row; the cursor
    // then stays on the last row.
    void First();
    void Next();
    bool Eof() const { return eof_; }
    // 0-based position of the current row (meaningless on an empty table).
    size_t RecNo() const { return current_; }
    void MoveTo(size_t row);

    // Editing. Append starts a new row at the end, Edit a change of the current row; Post stores
    // the pending row, Cancel drops it. Delete removes the current row at once; Empty every row.
    State GetState() const { return state_; }
    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    void Empty();

    // Values of the current row, or of the pending row while appending or editing. A null value
    // reads as empty text or zero; a table without rows reads as all null.
    bool IsNull(int column) const;
    std::string AsText(int column) const;
    Money AsMoney(int column) const;
    double AsFloat(int column) const;
    int32_t RowStatus() const;
    bool IsNull(std::string_view column) const { return IsNull(ColumnIndex(column)); }
    std::string AsText(std::string_view column) const { return AsText(ColumnIndex(column)); }
    Money AsMoney(std::string_view column) const { return AsMoney(ColumnIndex(column)); }
    double AsFloat(std::string_view column) const { return AsFloat(ColumnIndex(column)); }

    // Writing a value needs Append or Edit first. Text written into a number column is read as a
    // number (empty text stores null); a number written into a String column is stored as text.
    // Texts are cut to a String column's size.
    void SetText(int column, std::string_view text);
    void SetMoney(int column, Money value);
    void SetFloat(int column, double value);
    void SetNull(int column);
    void SetText(std::string_view column, std::string_view text) { SetText(ColumnIndex(column), text); }
    void SetMoney(std::string_view column, Money value) { SetMoney(ColumnIndex(column), value); }
    void SetFloat(std::string_view column, double value) { SetFloat(ColumnIndex(column), value); }
    void SetNull(std::string_view column) { SetNull(ColumnIndex(column)); }

    // Updates of bound dialog controls: suspended while a walk runs, counted, so nested suspensions
    // resume only at the outermost resume. Listeners hear of every change while not suspended, and
    // once when updates resume.
    void DisableControls() { ++disabled_; }
    void EnableControls();
    bool ControlsDisabled() const { return disabled_ > 0; }
    using Listener = std::function<void()>;
    int AddListener(Listener listener);
    void RemoveListener(int id);

    // Row access without the cursor, for the stream format and bulk readers.
    int32_t StatusAt(size_t row) const { return statuses_[row]; }
    bool NullAt(size_t row, size_t column) const { return CellAt(row, column).Null; }
    std::string_view TextAt(size_t row, size_t column) const;
    Money MoneyAt(size_t row, size_t column) const { return Money::FromUnits(CellAt(row, column).Int); }
    double FloatAt(size_t row, size_t column) const { return CellAt(row, column).Float; }

    // Bulk loading: BeginRow, one Put per column in order, EndRow. Texts are cut to the column size.
    void BeginRow(int32_t status);
    void PutNull();
    void PutText(std::string_view text);
    void PutMoney(Money value);
    void PutFloat(double value);
    void EndRow();
    // Drops a row begun but not ended (a stream that failed in the middle of it).
    void AbortRow();

private:
    struct Cell {
        union {
            int64_t Int;   // Currency units
            double Float;  // Float and Date
            uint64_t Text; // offset of a String value in the text pool
        };
        uint32_t Length = 0; // length of a String value
        bool Null = true;
        Cell() : Int(0) {}
    };
    struct PendingValue {
        bool Null = true;
        std::string Text;
        int64_t Int = 0;
        double Float = 0;
    };

    const Cell& CellAt(size_t row, size_t column) const { return cells_[row * columns_.size() + column]; }
    Cell MakeText(size_t column, std::string_view text);
    void CheckColumn(int column) const;
    void RequireEditing() const;
    PendingValue ValueOfCell(size_t row, size_t column) const;
    const PendingValue* PendingOrNull(int column) const;
    void Notify();

    std::string name_;
    std::vector<ColumnDef> columns_;
    std::vector<Cell> cells_;       // row-major, columns_.size() per row
    std::vector<int32_t> statuses_; // one per row
    std::string pool_;              // the texts of String cells
    size_t current_ = 0;
    bool eof_ = true;
    State state_ = State::Browse;
    std::vector<PendingValue> pending_;
    size_t loadColumn_ = 0;
    bool rowOpen_ = false;
    int disabled_ = 0;
    int nextListener_ = 1;
    std::vector<std::pair<int, Listener>> listeners_;
};

// Suspends a table's display updates for a scope and resumes them on every exit.
class ControlsSuspended {
public:
    explicit ControlsSuspended(ScheduleTable& table) : table_(table) { table_.DisableControls(); }
    ~ControlsSuspended() { table_.EnableControls(); }
    ControlsSuspended(const ControlsSuspended&) = delete;
    ControlsSuspended& operator=(const ControlsSuspended&) = delete;

private:
    ScheduleTable& table_;
};

} // namespace qv
