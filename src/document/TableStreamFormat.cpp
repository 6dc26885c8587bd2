#include "TableStreamFormat.h"

#include "Codepage1252.h"
#include "Endian.h"
#include "Error.h"
#include "Extended80.h"

#include <algorithm>
#include <cstring>

namespace qv {

namespace {

// Item tags of the stream.
enum Tag : uint8_t {
    kEndOfList = 0,
    kList = 1,
    kInt8 = 2,
    kInt16 = 3,
    kInt32 = 4,
    kExtended = 5,
    kString = 6,
    kFalse = 8,
    kTrue = 9,
    kLongString = 12,
    kWideString = 18,
    kUtf8String = 20,
};

// Type numbers of the data-type header.
int TypeNumber(ColumnType type) {
    switch (type) {
    case ColumnType::String:
        return 1;
    case ColumnType::Float:
        return 6;
    case ColumnType::Currency:
        return 7;
    case ColumnType::Date:
        return 9;
    }
    return 1;
}

[[noreturn]] void InvalidPropertyValue() {
    throw Error(std::string(msg::InvalidPropertyValue));
}
[[noreturn]] void InvalidFloat() {
    throw Error("Invalid floating point operation");
}

class Writer {
public:
    explicit Writer(ByteWriter& out) : out_(out) {}

    void Byte(uint8_t b) { out_.WriteByte(b); }
    void ListBegin() { Byte(kList); }
    void ListEnd() { Byte(kEndOfList); }
    void Bool(bool v) { Byte(v ? kTrue : kFalse); }

    // The shortest of the three integer tags whose range holds the value.
    void Integer(int32_t v) {
        uint8_t b[4];
        if (v >= -128 && v <= 127) {
            Byte(kInt8);
            Byte(static_cast<uint8_t>(v));
        } else if (v >= -32768 && v <= 32767) {
            Byte(kInt16);
            StoreLE16(b, static_cast<uint16_t>(v));
            out_.Write(b, 2);
        } else {
            Byte(kInt32);
            StoreLE32(b, static_cast<uint32_t>(v));
            out_.Write(b, 4);
        }
    }

    // ASCII texts go out as they are, others as UTF-8.
    void String(std::string_view text) {
        if (IsAscii(text)) {
            if (text.size() <= 255) {
                Byte(kString);
                Byte(static_cast<uint8_t>(text.size()));
            } else {
                Length(kLongString, text.size());
            }
            out_.Write(text.data(), text.size());
        } else {
            std::string utf8 = Cp1252ToUtf8(text);
            Length(kUtf8String, utf8.size());
            out_.Write(utf8.data(), utf8.size());
        }
    }

    void Extended(Extended80 v) {
        Byte(kExtended);
        auto bytes = v.ToBytes();
        out_.Write(bytes.data(), bytes.size());
    }

private:
    void Length(uint8_t tag, size_t n) {
        uint8_t b[4];
        Byte(tag);
        StoreLE32(b, static_cast<uint32_t>(n));
        out_.Write(b, 4);
    }

    ByteWriter& out_;
};

class Reader {
public:
    explicit Reader(ByteReader& in) : in_(in) {}

    uint8_t Peek() { return in_.PeekByte(); }
    bool EndOfList() { return Peek() == kEndOfList; }
    void ListBegin() {
        if (in_.ReadByte() != kList)
            InvalidPropertyValue();
    }
    void ListEnd() {
        if (in_.ReadByte() != kEndOfList)
            InvalidPropertyValue();
    }
    // Tag 9 is true; any other single tag byte is false.
    bool Bool() { return in_.ReadByte() == kTrue; }

    int32_t Integer() {
        uint8_t tag = in_.ReadByte();
        if (tag == kInt8 || tag == kInt16 || tag == kInt32)
            return IntegerOf(tag);
        InvalidPropertyValue();
    }

    std::string String() {
        std::string text;
        AppendString(text);
        return text;
    }

    // Reads a text item; single-byte texts are taken as they are, Unicode texts converted.
    void AppendString(std::string& out) {
        uint8_t tag = in_.ReadByte();
        switch (tag) {
        case kString:
            in_.AppendTo(out, in_.ReadByte());
            return;
        case kLongString:
            in_.AppendTo(out, Length());
            return;
        case kUtf8String:
            AppendUtf8(out, Length());
            return;
        case kWideString:
            AppendUtf16(out, Length());
            return;
        default:
            InvalidPropertyValue();
        }
    }

    // Unicode texts are converted a block at a time, so that a text as long as the file needs no
    // more memory than its converted characters.
    static constexpr size_t kTextBlock = 64 * 1024;

    void AppendUtf8(std::string& out, uint64_t bytes) {
        if (bytes > in_.Remaining())
            ByteReader::Fail();
        std::string block;
        while (bytes > 0) {
            const size_t take = static_cast<size_t>(std::min<uint64_t>(bytes, kTextBlock));
            in_.AppendTo(block, take);
            bytes -= take;
            size_t cut = block.size();
            if (bytes > 0) {
                // A character cut by the block's end waits for the rest of its bytes.
                size_t k = block.size(), back = 0;
                while (back < 3 && k > 0 && (static_cast<unsigned char>(block[k - 1]) & 0xC0) == 0x80)
                    --k, ++back;
                if (k > 0) {
                    const auto lead = static_cast<unsigned char>(block[k - 1]);
                    const size_t length = (lead & 0xE0) == 0xC0   ? 2
                                          : (lead & 0xF0) == 0xE0 ? 3
                                          : (lead & 0xF8) == 0xF0 ? 4
                                                                  : 1;
                    if (block.size() - (k - 1) < length)
                        cut = k - 1;
                }
            }
            out += Utf8ToCp1252(std::string_view(block).substr(0, cut));
            block.erase(0, cut);
        }
        out += Utf8ToCp1252(block);
    }

    void AppendUtf16(std::string& out, uint64_t units) {
        if (units > in_.Remaining() / 2)
            ByteReader::Fail();
        std::string raw;
        std::u16string block;
        while (units > 0) {
            const size_t take = static_cast<size_t>(std::min<uint64_t>(units, kTextBlock));
            raw.clear();
            in_.AppendTo(raw, take * 2);
            for (size_t i = 0; i < take; ++i)
                block +=
                    static_cast<char16_t>(LoadLE16(reinterpret_cast<const uint8_t*>(raw.data()) + 2 * i));
            units -= take;
            // A high surrogate at the block's end waits for its partner.
            const size_t ready = units > 0 && block.back() >= 0xD800 && block.back() <= 0xDBFF
                                     ? block.size() - 1
                                     : block.size();
            out += Utf16ToCp1252(std::u16string_view(block).substr(0, ready));
            block.erase(0, ready);
        }
        out += Utf16ToCp1252(block);
    }

    // A text item without copying when it is single-byte and buffered; otherwise via `scratch`.
    std::string_view StringView(std::string& scratch) {
        uint8_t tag = Peek();
        if (tag == kString || tag == kLongString) {
            in_.ReadByte();
            size_t n = tag == kString ? in_.ReadByte() : Length();
            std::string_view view;
            if (in_.TryView(n, view))
                return view;
            scratch.clear();
            in_.AppendTo(scratch, n);
            return scratch;
        }
        scratch.clear();
        AppendString(scratch);
        return scratch;
    }

    // A floating-point item; integer items are accepted as their value.
    Extended80 Number() {
        uint8_t tag = in_.ReadByte();
        if (tag == kExtended) {
            uint8_t b[10];
            in_.Read(b, 10);
            return Extended80::FromBytes(b);
        }
        if (tag == kInt8 || tag == kInt16 || tag == kInt32)
            return ExtendedFromDouble(IntegerOf(tag));
        InvalidPropertyValue();
    }

private:
    int32_t IntegerOf(uint8_t tag) {
        uint8_t b[4];
        switch (tag) {
        case kInt8:
            return static_cast<int8_t>(in_.ReadByte());
        case kInt16:
            in_.Read(b, 2);
            return static_cast<int16_t>(LoadLE16(b));
        default:
            in_.Read(b, 4);
            return static_cast<int32_t>(LoadLE32(b));
        }
    }
    // A 4-byte length; a negative one can never fit in what remains.
    uint64_t Length() {
        uint8_t b[4];
        in_.Read(b, 4);
        int32_t n = static_cast<int32_t>(LoadLE32(b));
        if (n < 0)
            ByteReader::Fail();
        return static_cast<uint64_t>(n);
    }

    ByteReader& in_;
};

} // namespace

void TableStreamFormat::Save(const ScheduleTable& table, ByteWriter& out) {
    Writer w(out);
    out.Write("TPF0", 4);
    w.Integer(kVersion);

    const auto& columns = table.Columns();
    w.ListBegin();
    for (const ColumnDef& c : columns) {
        const bool isString = c.Type == ColumnType::String;
        w.String(c.Name);
        w.String(ColumnTypeName(c.Type));
        w.Integer(isString ? c.Size : 0);
        w.String(c.Name); // display label: the column name
        w.String(c.EditMask);
        w.Integer(isString ? c.Size : 10); // display width
        w.Bool(false);                     // required
        w.Bool(false);                     // read-only
        w.String("Data");                  // field kind
        w.String("");                      // default expression
    }
    w.ListEnd();

    w.ListBegin(); // index definitions: none
    w.ListEnd();

    w.ListBegin(); // data-type header
    w.Integer(static_cast<int32_t>(columns.size()));
    for (const ColumnDef& c : columns)
        w.Integer(TypeNumber(c.Type));
    w.ListEnd();

    w.ListBegin();
    for (size_t row = 0; row < table.RecordCount(); ++row) {
        w.ListBegin();
        w.Integer(table.StatusAt(row));
        for (size_t col = 0; col < columns.size(); ++col) {
            const bool null = table.NullAt(row, col);
            w.Bool(null);
            if (null)
                continue;
            switch (columns[col].Type) {
            case ColumnType::String:
                w.String(table.TextAt(row, col));
                break;
            case ColumnType::Currency:
                w.Extended(ExtendedFromMoney(table.MoneyAt(row, col)));
                break;
            case ColumnType::Float:
            case ColumnType::Date:
                w.Extended(ExtendedFromDouble(table.FloatAt(row, col)));
                break;
            }
        }
        w.ListEnd();
    }
    w.ListEnd();
}

void TableStreamFormat::Load(ScheduleTable& table, ByteReader& in) {
    Reader r(in);
    char signature[4];
    in.Read(signature, 4);
    if (std::memcmp(signature, "TPF0", 4) != 0)
        throw Error(std::string(msg::InvalidStreamFormat));

    // A stream without a version number starts its definitions list at once.
    const int version = r.Peek() == kList ? 100 : r.Integer();

    std::vector<ColumnDef> columns;
    bool replaced = false;
    r.ListBegin();
    while (!r.EndOfList()) {
        if (!replaced) {
            table.SetColumns({}); // the old rows and columns go with the first definition
            replaced = true;
        }
        ColumnDef c;
        c.Name = r.String();
        std::string typeName = r.String();
        c.Size = r.Integer();
        r.String(); // display label
        c.EditMask = r.String();
        r.Integer(); // display width
        r.Bool();    // required
        r.Bool();    // read-only
        if (version >= 250)
            r.String(); // field kind
        if (version > 250)
            r.String(); // default expression
        std::optional<ColumnType> type = ColumnTypeFromName(typeName);
        if (!type)
            // The name comes from the file: Windows-1252 like every text there, UTF-8 in the message.
            throw Error(msg::Format(msg::UnknownFieldType, {Cp1252ToUtf8(typeName)}));
        c.Type = *type;
        if (c.Type != ColumnType::String)
            c.Size = 0;
        columns.push_back(std::move(c));
    }
    r.ListEnd();

    if (version >= 200) {
        r.ListBegin();
        while (!r.EndOfList()) {
            r.String(); // index name
            r.String(); // fields
            r.String(); // display name
            for (int i = 0; i < 4; ++i)
                r.Bool();
        }
        r.ListEnd();
    }

    if (replaced)
        table.SetColumns(std::move(columns));
    else
        table.Empty();
    if (table.Columns().empty())
        throw Error(std::string(msg::NoFieldCount));

    r.ListBegin(); // data-type header: the rows are read by the column definitions
    int32_t count = r.Integer();
    for (int32_t i = 0; i < count; ++i)
        r.Integer();
    r.ListEnd();

    const std::vector<ColumnDef>& defs = table.Columns();
    std::string scratch;
    r.ListBegin();
    try {
        while (!r.EndOfList()) {
            int32_t status = 0;
            if (version > 229) {
                r.ListBegin();
                status = r.Integer();
            }
            table.BeginRow(status);
            for (const ColumnDef& c : defs) {
                const bool null = version >= 249 ? r.Bool() : false;
                if (null) {
                    table.PutNull();
                    continue;
                }
                switch (c.Type) {
                case ColumnType::String:
                    table.PutText(r.StringView(scratch));
                    break;
                case ColumnType::Currency: {
                    std::optional<Money> m = MoneyFromExtended(r.Number());
                    if (!m)
                        InvalidFloat();
                    table.PutMoney(*m);
                    break;
                }
                case ColumnType::Float:
                    table.PutFloat(ExtendedToDouble(r.Number()));
                    break;
                case ColumnType::Date: {
                    double d = ExtendedToDouble(r.Number());
                    if (d == 0.0)
                        table.PutNull(); // a date of 0 is no date
                    else
                        table.PutFloat(d);
                    break;
                }
                }
            }
            if (version > 229) {
                if (!r.EndOfList())
                    r.Integer(); // row version
                r.ListEnd();
            }
            table.EndRow();
        }
    } catch (...) {
        table.AbortRow();
        throw;
    }
    r.ListEnd();
    table.First();
}

} // namespace qv
