#include "ReturnJson.h"

#include "Codepage1252.h"
#include "ShortText.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <charconv>
#include <cmath>

namespace qv::cli {

namespace {

void AppendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    for (unsigned char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default:
            if (c < 0x20) {
                static const char* hex = "0123456789abcdef";
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
}

void AppendText(std::string& out, std::string_view cp1252) {
    AppendJsonString(out, Cp1252ToUtf8(cp1252));
}

void AppendDouble(std::string& out, double v) {
    if (std::isnan(v)) {
        out += "\"NaN\"";
    } else if (std::isinf(v)) {
        out += v > 0 ? "\"Infinity\"" : "\"-Infinity\"";
    } else {
        char buf[64];
        auto r = std::to_chars(buf, buf + sizeof buf, v);
        out.append(buf, r.ptr);
    }
}

void AppendRecord(std::string& out, const ReturnRecord& rec) {
    out += "{";
    bool first = true;
    for (const FieldDef& def : kRecordFields) {
        if (def.Kind == FieldKind::Reserved)
            continue;
        out += first ? "\n    " : ",\n    ";
        first = false;
        AppendJsonString(out, def.Name);
        out += ": ";
        switch (def.Kind) {
        case FieldKind::Text:
        case FieldKind::YesNo:
            AppendText(out, rec.GetText(def));
            break;
        case FieldKind::Boolean:
            out += std::to_string(rec.Bytes[def.Offset]);
            break;
        case FieldKind::Money:
            AppendJsonString(out, rec.GetMoney(def).ToString(4));
            break;
        case FieldKind::Double:
        case FieldKind::Date:
            AppendDouble(out, rec.GetDouble(def));
            break;
        case FieldKind::Int32:
            out += std::to_string(rec.GetInt32(def));
            break;
        case FieldKind::Reserved:
            break;
        }
    }
    out += "\n  }";
}

void AppendTable(std::string& out, const ScheduleTable& table) {
    const auto& columns = table.Columns();
    out += "{\"columns\": [";
    for (size_t c = 0; c < columns.size(); ++c) {
        if (c != 0)
            out += ", ";
        out += "{\"name\": ";
        AppendText(out, columns[c].Name);
        out += ", \"type\": ";
        AppendJsonString(out, ColumnTypeName(columns[c].Type));
        out += ", \"size\": " + std::to_string(columns[c].Size) + "}";
    }
    out += "],\n      \"rows\": [";
    for (size_t row = 0; row < table.RecordCount(); ++row) {
        out += row == 0 ? "\n        " : ",\n        ";
        out += "{\"status\": " + std::to_string(table.StatusAt(row)) + ", \"values\": {";
        for (size_t c = 0; c < columns.size(); ++c) {
            if (c != 0)
                out += ", ";
            AppendText(out, columns[c].Name);
            out += ": ";
            if (table.NullAt(row, c)) {
                out += "null";
                continue;
            }
            switch (columns[c].Type) {
            case ColumnType::String:
                AppendText(out, table.TextAt(row, c));
                break;
            case ColumnType::Currency:
                AppendJsonString(out, table.MoneyAt(row, c).ToString(4));
                break;
            case ColumnType::Float:
            case ColumnType::Date:
                AppendDouble(out, table.FloatAt(row, c));
                break;
            }
        }
        out += "}}";
    }
    out += table.RecordCount() == 0 ? "]}" : "\n      ]}";
}

} // namespace

std::string JsonString(std::string_view utf8) {
    std::string out;
    AppendJsonString(out, utf8);
    return out;
}

std::string ReturnToJson(const Franchise& doc, std::optional<int> convertedFrom) {
    std::string out = "{\n  \"header\": {\"Signature\": ";
    AppendText(out, ReadShortText(doc.FileHeader.Bytes.data(), ReturnFileHeader::kSignature.size()));
    out += ", \"FormatVersion\": " + std::to_string(doc.FileHeader.FormatVersion());
    out += ", \"PublisherAddress\": ";
    AppendText(out, doc.FileHeader.PublisherAddress());
    out += "},\n  \"convertedFrom\": ";
    out += convertedFrom ? std::to_string(*convertedFrom) : "null";
    out += ",\n  \"record\": ";
    AppendRecord(out, doc.Record);
    out += ",\n  \"tables\": {";
    bool first = true;
    for (const ScheduleTable* table : doc.dm().FileTables()) {
        out += first ? "\n    " : ",\n    ";
        first = false;
        AppendText(out, table->Name());
        out += ": ";
        AppendTable(out, *table);
    }
    out += "\n  }\n}\n";
    return out;
}

} // namespace qv::cli
