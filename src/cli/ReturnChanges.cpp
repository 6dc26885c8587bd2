#include "ReturnChanges.h"

#include "Codepage1252.h"
#include "ComputeReturn.h"
#include "Csv.h"
#include "DateValue.h"
#include "Error.h"
#include "Money.h"
#include "RecordFields.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace qv::cli {

namespace {

// A value as given: from JSON with its kind, or a CSV field (always text; empty means none).
struct Given {
    enum class As { Null, Bool, Number, String, Other };
    As Kind = As::Null;
    std::string_view Text;
    bool Bool = false;

    static Given Of(const JsonValue& v) {
        switch (v.Type) {
        case JsonValue::Kind::Null:
            return {As::Null, {}, false};
        case JsonValue::Kind::Bool:
            return {As::Bool, {}, v.Bool};
        case JsonValue::Kind::Number:
            return {As::Number, v.Text, false};
        case JsonValue::Kind::String:
            return {As::String, v.Text, false};
        default:
            return {As::Other, KindName(v.Type), false};
        }
    }
    static Given OfCsv(std::string_view field) {
        return field.empty() ? Given{As::Null, {}, false} : Given{As::String, field, false};
    }
};

// The value as a message shows it: a string quoted, control characters escaped, long ones cut.
std::string Shown(const Given& g) {
    switch (g.Kind) {
    case Given::As::Null:
        return "null";
    case Given::As::Bool:
        return g.Bool ? "true" : "false";
    case Given::As::Number:
        return std::string(g.Text);
    case Given::As::Other:
        return std::string(g.Text);
    case Given::As::String:
        break;
    }
    std::string out = "\"";
    size_t count = 0;
    for (unsigned char c : g.Text) {
        if (++count > 60) {
            out += "...";
            break;
        }
        if (c < 0x20 || c == 0x7F) {
            static const char* hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

[[noreturn]] void Refuse(std::string_view where, const Given& g, std::string_view what) {
    throw Error(std::string(where) + ": " + Shown(g) + " " + std::string(what));
}

// UTF-8 into Windows-1252, refusing any character the code page lacks.
void ToCp1252(std::string_view where, const Given& g, std::string& out) {
    out.clear();
    for (size_t i = 0; i < g.Text.size();) {
        const std::optional<char32_t> c = DecodeUtf8(g.Text, i);
        if (!c)
            Refuse(where, g, "is not valid UTF-8");
        const char byte = *c < 0x80 ? static_cast<char>(*c) : UnicodeToCp1252(*c);
        if (byte == '?' && *c != U'?')
            Refuse(where, g, "cannot be written in Windows-1252");
        out += byte;
    }
}

// Masks of the masked entries: '9' is a digit place, every other character is kept as it is.
std::string_view MaskOfEditMask(std::string_view editMask) {
    if (editMask.rfind("00\\-0000000", 0) == 0 || editMask.rfind("99\\-9999999", 0) == 0)
        return "99-9999999";
    return {};
}

std::string_view MaskOfField(std::string_view name) {
    auto ends = [&](std::string_view tail) {
        return name.size() >= tail.size() && name.substr(name.size() - tail.size()) == tail;
    };
    if (name.rfind("CarriedPerson", 0) == 0)
        return {};
    if (ends("FEIN"))
        return "99-9999999";
    if (ends("SSN"))
        return "999-99-9999";
    if (ends("Phone"))
        return "(999) 999-9999";
    return {};
}

// A masked entry as the mask stores it: a text already in the mask's shape (blanks as spaces) is
// kept, digits alone are put into the digit places in order with the literals between them, and
// the empty text stays empty.
void ApplyMask(std::string_view where, const Given& g, std::string_view mask, std::string& text) {
    if (text.empty())
        return;
    if (text.size() == mask.size()) {
        bool fits = true;
        for (size_t i = 0; i < mask.size() && fits; ++i)
            fits = mask[i] == '9' ? (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == ' ')
                                  : text[i] == mask[i];
        if (fits)
            return;
    }
    const size_t places = static_cast<size_t>(std::count(mask.begin(), mask.end(), '9'));
    const bool digitsOnly =
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digitsOnly || text.size() > places)
        Refuse(where, g,
               "does not fit the entry " + std::string(mask) + " (give the digits alone or the whole entry)");
    std::string out;
    size_t next = 0;
    for (char m : mask) {
        if (m == '9')
            out += next < text.size() ? text[next++] : ' ';
        else
            out += m;
    }
    text = std::move(out);
}

// A JSON number literal as plain decimal text, its exponent worked into the digits, so that it
// reads exactly as an amount.
std::optional<std::string> PlainDecimal(std::string_view literal) {
    const size_t e = literal.find_first_of("eE");
    if (e == std::string_view::npos)
        return std::string(literal);
    long exponent = 0;
    std::string_view exp = literal.substr(e + 1);
    if (!exp.empty() && exp[0] == '+')
        exp.remove_prefix(1);
    auto [p, ec] = std::from_chars(exp.data(), exp.data() + exp.size(), exponent);
    if (ec != std::errc() || p != exp.data() + exp.size() || exponent > 40 || exponent < -40)
        return std::nullopt;
    std::string_view mantissa = literal.substr(0, e);
    const bool negative = !mantissa.empty() && mantissa[0] == '-';
    if (negative)
        mantissa.remove_prefix(1);
    const size_t point = mantissa.find('.');
    std::string digits(mantissa.substr(0, point));
    long pointAt = static_cast<long>(digits.size());
    if (point != std::string_view::npos)
        digits += mantissa.substr(point + 1);
    pointAt += exponent;
    while (pointAt <= 0) {
        digits.insert(digits.begin(), '0');
        ++pointAt;
    }
    while (pointAt > static_cast<long>(digits.size()))
        digits += '0';
    std::string out = negative ? "-" : "";
    out += digits.substr(0, static_cast<size_t>(pointAt));
    if (static_cast<size_t>(pointAt) < digits.size())
        out += "." + digits.substr(static_cast<size_t>(pointAt));
    return out;
}

Money ToMoney(std::string_view where, const Given& g) {
    std::optional<Money> m;
    if (g.Kind == Given::As::Number) {
        // A number is read as typed into an amount field: to 1/10,000, halves to even.
        if (std::optional<std::string> plain = PlainDecimal(g.Text))
            m = Money::Parse(*plain);
    } else if (g.Kind == Given::As::String) {
        // A text (a CSV field, or a JSON string) is an amount to the 1/10,000 at most; a spreadsheet
        // may write it with an exponent.
        std::optional<std::string> plain = g.Text.find_first_of("eE") == std::string_view::npos
                                               ? std::optional<std::string>(std::string(g.Text))
                                               : PlainDecimal(g.Text);
        const size_t point = plain ? plain->find('.') : std::string::npos;
        if (point != std::string::npos && plain->size() - point - 1 > 4)
            Refuse(where, g, "has more than four decimals");
        if (plain)
            m = Money::Parse(*plain);
    }
    if (!m)
        Refuse(where, g, "is not an amount (a number, or a decimal text such as \"1234.50\")");
    return *m;
}

std::optional<double> NumberOf(std::string_view text) {
    double v = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || p != text.data() + text.size())
        return std::nullopt;
    return v;
}

double ToDouble(std::string_view where, const Given& g) {
    if (g.Kind == Given::As::String) {
        if (g.Text == "NaN")
            return std::numeric_limits<double>::quiet_NaN();
        if (g.Text == "Infinity")
            return std::numeric_limits<double>::infinity();
        if (g.Text == "-Infinity")
            return -std::numeric_limits<double>::infinity();
    }
    if (g.Kind == Given::As::Number || g.Kind == Given::As::String)
        if (std::optional<double> v = NumberOf(g.Text); v && std::isfinite(*v))
            return *v;
    Refuse(where, g, "is not a number");
}

DateValue ToDate(std::string_view where, const Given& g) {
    if (g.Kind == Given::As::String && g.Text.size() == 10 && g.Text[4] == '-' && g.Text[7] == '-') {
        int y = 0, m = 0, d = 0;
        auto part = [&](size_t at, size_t n, int& out) {
            auto [p, ec] = std::from_chars(g.Text.data() + at, g.Text.data() + at + n, out);
            return ec == std::errc() && p == g.Text.data() + at + n;
        };
        if (part(0, 4, y) && part(5, 2, m) && part(8, 2, d) && IsValidDate(y, m, d))
            return EncodeDate(y, m, d);
        Refuse(where, g, "is not a date (YYYY-MM-DD)");
    }
    if (g.Kind == Given::As::Number || g.Kind == Given::As::String)
        if (std::optional<double> v = NumberOf(g.Text); v && std::isfinite(*v))
            return *v;
    Refuse(where, g, "is not a date (YYYY-MM-DD, or a day number)");
}

int64_t ToInteger(std::string_view where, const Given& g, int64_t min, int64_t max, std::string_view what) {
    if (g.Kind == Given::As::Bool && max >= 1)
        return g.Bool ? 1 : 0;
    int64_t v = 0;
    if (g.Kind == Given::As::Number || g.Kind == Given::As::String) {
        auto [p, ec] = std::from_chars(g.Text.data(), g.Text.data() + g.Text.size(), v);
        if (ec == std::errc() && p == g.Text.data() + g.Text.size() && v >= min && v <= max)
            return v;
    }
    Refuse(where, g, what);
}

// The value of a text field or column: Windows-1252, in the mask's shape where there is one.
void ToText(std::string_view where, const Given& g, std::string_view mask, std::string& out) {
    if (g.Kind == Given::As::Null) {
        out.clear();
        return;
    }
    if (g.Kind != Given::As::String)
        Refuse(where, g, "is not a text");
    ToCp1252(where, g, out);
    if (!mask.empty())
        ApplyMask(where, g, mask, out);
}

void SetRecordField(ReturnRecord& rec, const FieldDef& def, std::string_view where, const Given& g,
                    std::string& buf) {
    if (g.Kind == Given::As::Null && def.Kind != FieldKind::Text)
        Refuse(where, g, "is not allowed here: give a value");
    switch (def.Kind) {
    case FieldKind::Text:
        ToText(where, g, MaskOfField(def.Name), buf);
        // Cut to the field's capacity, as the window's edits do.
        rec.SetText(def, std::string_view(buf).substr(0, def.Capacity()));
        break;
    case FieldKind::YesNo:
        if (g.Kind != Given::As::String || (g.Text != "Y" && g.Text != "N"))
            Refuse(where, g, "is not \"Y\" or \"N\"");
        rec.SetText(def, g.Text);
        break;
    case FieldKind::Boolean:
        rec.Bytes[def.Offset] = static_cast<uint8_t>(ToInteger(where, g, 0, 255, "is not 0 or 1"));
        break;
    case FieldKind::Money:
        rec.SetMoney(def, ToMoney(where, g));
        break;
    case FieldKind::Double:
        rec.SetDouble(def, ToDouble(where, g));
        break;
    case FieldKind::Date:
        rec.SetDouble(def, ToDate(where, g));
        break;
    case FieldKind::Int32:
        rec.SetInt32(
            def, static_cast<int32_t>(ToInteger(where, g, INT32_MIN, INT32_MAX, "is not a whole number")));
        break;
    case FieldKind::Reserved:
        throw Error(std::string(where) + " is reserved and cannot be set");
    }
}

// One value of the row being appended, in column order.
void PutValue(ScheduleTable& table, const ColumnDef& column, std::string_view where, const Given& g,
              std::string& buf) {
    if (g.Kind == Given::As::Null) {
        table.PutNull();
        return;
    }
    switch (column.Type) {
    case ColumnType::String:
        ToText(where, g, MaskOfEditMask(column.EditMask), buf);
        table.PutText(buf);
        break;
    case ColumnType::Currency:
        table.PutMoney(ToMoney(where, g));
        break;
    case ColumnType::Float:
        table.PutFloat(ToDouble(where, g));
        break;
    case ColumnType::Date:
        table.PutFloat(ToDate(where, g));
        break;
    }
}

bool SameBytes(const ReturnRecord& a, const ReturnRecord& b, const FieldDef& def) {
    if (def.Kind == FieldKind::Text || def.Kind == FieldKind::YesNo)
        return a.GetText(def) == b.GetText(def);
    return std::memcmp(&a.Bytes[def.Offset], &b.Bytes[def.Offset], def.Size) == 0;
}

std::string ShowField(const ReturnRecord& rec, const FieldDef& def) {
    switch (def.Kind) {
    case FieldKind::Money:
        return "\"" + rec.GetMoney(def).ToString(4) + "\"";
    case FieldKind::Double:
    case FieldKind::Date: {
        char buf[64];
        auto r = std::to_chars(buf, buf + sizeof buf, rec.GetDouble(def));
        return std::string(buf, r.ptr);
    }
    case FieldKind::Int32:
        return std::to_string(rec.GetInt32(def));
    case FieldKind::Boolean:
        return std::to_string(rec.Bytes[def.Offset]);
    default:
        return "\"" + Cp1252ToUtf8(rec.GetText(def)) + "\"";
    }
}

void RequireObject(const JsonValue& v, std::string_view where) {
    if (v.Type != JsonValue::Kind::Object)
        throw Error(std::string(where) + " must be an object, not " + std::string(KindName(v.Type)));
}

} // namespace

ReturnChanges::ReturnChanges(Franchise& doc, bool replaceRows) : doc_(doc), replaceRows_(replaceRows) {}

ScheduleTable& ReturnChanges::Table(std::string_view name, std::string_view where) {
    for (ScheduleTable* t : doc_.dm().FileTables()) {
        if (t->Name() == name) {
            if (replaceRows_ && std::find(replaced_.begin(), replaced_.end(), t) == replaced_.end()) {
                t->Empty();
                replaced_.push_back(t);
            }
            return *t;
        }
    }
    throw Error(std::string(where) + ": unknown table \"" + std::string(name) +
                "\" (tblAffiliates, tblSubsidiaries, tblOthCurrAssets, tblOthInvest, tblCurrDebt)");
}

void ReturnChanges::ApplyJson(const JsonValue& changes, std::string_view source) {
    const std::string src(source);
    RequireObject(changes, src);
    std::string buf;
    for (const auto& [key, value] : changes.Members) {
        if (key == "header" || key == "convertedFrom")
            continue; // what `fti show` reports about the file; not part of the return
        if (key == "record") {
            RequireObject(value, src + ": record");
            for (const auto& [name, v] : value.Members) {
                const std::string where = src + ": record." + name;
                const FieldDef* def = FindRecordField(name);
                if (def == nullptr)
                    throw Error(src + ": record: unknown field \"" + name + "\"");
                SetRecordField(doc_.Record, *def, where, Given::Of(v), buf);
                given_.push_back({static_cast<size_t>(def - kRecordFields), Shown(Given::Of(v))});
            }
        } else if (key == "tables") {
            RequireObject(value, src + ": tables");
            for (const auto& [name, t] : value.Members) {
                const std::string where = src + ": tables." + name;
                ScheduleTable& table = Table(name, src + ": tables");
                RequireObject(t, where);
                for (const auto& [part, content] : t.Members) {
                    if (part == "columns")
                        continue; // the table's own columns, as `fti show` lists them
                    if (part != "rows")
                        throw Error(where + ": unknown part \"" + part + "\" (rows)");
                    if (content.Type != JsonValue::Kind::Array)
                        throw Error(where + ".rows must be an array, not " +
                                    std::string(KindName(content.Type)));
                    const auto& columns = table.Columns();
                    std::vector<const JsonValue*> values(columns.size());
                    for (size_t r = 0; r < content.Items.size(); ++r) {
                        const JsonValue& row = content.Items[r];
                        const std::string rowWhere = where + " row " + std::to_string(r + 1);
                        RequireObject(row, rowWhere);
                        int32_t status = 0;
                        std::fill(values.begin(), values.end(), nullptr);
                        for (const auto& [rk, rv] : row.Members) {
                            if (rk == "status") {
                                status = static_cast<int32_t>(ToInteger(rowWhere + ", status", Given::Of(rv),
                                                                        0, 3, "is not a row status 0 to 3"));
                            } else if (rk == "values") {
                                RequireObject(rv, rowWhere + ", values");
                                for (const auto& [column, cv] : rv.Members) {
                                    const int c = table.FindColumn(column);
                                    if (c < 0)
                                        throw Error(rowWhere + ": unknown column \"" + column + "\"");
                                    values[static_cast<size_t>(c)] = &cv;
                                }
                            } else {
                                throw Error(rowWhere + ": unknown part \"" + rk + "\" (values, status)");
                            }
                        }
                        table.BeginRow(status);
                        try {
                            for (size_t c = 0; c < columns.size(); ++c) {
                                const Given g = values[c] ? Given::Of(*values[c]) : Given{};
                                PutValue(table, columns[c], rowWhere + ", column \"" + columns[c].Name + "\"",
                                         g, buf);
                            }
                        } catch (...) {
                            table.AbortRow();
                            throw;
                        }
                        table.EndRow();
                    }
                }
            }
        } else {
            throw Error(src + ": unknown part \"" + key + "\" (record, tables)");
        }
    }
}

void ReturnChanges::ApplyCsv(std::string_view tableName, std::string_view text, const std::string& source) {
    ScheduleTable& table = Table(tableName, source);
    CsvReader csv(text, source);
    std::vector<std::string_view> fields;
    if (!csv.Next(fields))
        throw Error(source + ": no header line naming the columns");
    const auto& columns = table.Columns();
    // For each column of the table, the CSV field that holds it; a column the file lacks is empty.
    std::vector<int> fieldOf(columns.size(), -1);
    std::vector<std::string> header(fields.begin(), fields.end());
    for (size_t f = 0; f < header.size(); ++f) {
        const int c = table.FindColumn(header[f]);
        if (c < 0)
            throw Error(source + " line 1: unknown column \"" + header[f] + "\" of " +
                        std::string(tableName));
        if (fieldOf[static_cast<size_t>(c)] >= 0)
            throw Error(source + " line 1: column \"" + header[f] + "\" given twice");
        fieldOf[static_cast<size_t>(c)] = static_cast<int>(f);
    }
    std::string buf;
    std::string where;
    while (csv.Next(fields)) {
        if (fields.size() == 1 && fields[0].empty())
            continue; // a blank line
        if (fields.size() != header.size())
            throw Error(source + " line " + std::to_string(csv.Line()) + ": " +
                        std::to_string(fields.size()) + " fields where the header names " +
                        std::to_string(header.size()));
        table.BeginRow(0);
        size_t c = 0;
        try {
            for (c = 0; c < columns.size(); ++c) {
                const Given g =
                    fieldOf[c] >= 0 ? Given::OfCsv(fields[static_cast<size_t>(fieldOf[c])]) : Given{};
                if (g.Kind == Given::As::Null) {
                    table.PutNull();
                    continue;
                }
                where.clear();
                PutValue(table, columns[c], where, g, buf);
            }
        } catch (const Error& e) {
            table.AbortRow();
            // The position is named only when something failed, so good rows build no texts.
            std::string what = e.what();
            if (what.rfind(": ", 0) == 0)
                what.erase(0, 2);
            throw Error(source + " line " + std::to_string(csv.Line()) + ", column \"" + columns[c].Name +
                        "\": " + what);
        }
        table.EndRow();
    }
}

void ReturnChanges::Finish() {
    const ReturnRecord given = doc_.Record;
    ComputeReturn(doc_);
    for (const GivenField& g : given_) {
        const FieldDef& def = kRecordFields[g.Field];
        if (!SameBytes(given, doc_.Record, def))
            throw Error("record." + std::string(def.Name) + ": " + g.Shown +
                        " cannot be set: the line is computed, and the computation gives " +
                        ShowField(doc_.Record, def));
    }
}

} // namespace qv::cli
