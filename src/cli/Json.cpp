#include "Json.h"

#include "Codepage1252.h"
#include "Error.h"

namespace qv::cli {

namespace {

constexpr int kMaxDepth = 64;

class Parser {
public:
    Parser(std::string_view text, std::string_view source) : text_(text), source_(source) {}

    JsonValue Document() {
        SkipSpace();
        JsonValue v = Value(0);
        SkipSpace();
        if (pos_ != text_.size())
            Fail("unexpected text after the JSON value");
        return v;
    }

private:
    [[noreturn]] void Fail(std::string_view what) const {
        size_t line = 1, column = 1;
        for (size_t i = 0; i < pos_ && i < text_.size(); ++i) {
            if (text_[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        throw Error(std::string(source_) + ": line " + std::to_string(line) + ", column " +
                    std::to_string(column) + ": " + std::string(what));
    }

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

    void SkipSpace() {
        while (!AtEnd() &&
               (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r'))
            ++pos_;
    }

    void Expect(char c) {
        if (Peek() != c)
            Fail(std::string("expected '") + c + "'");
        ++pos_;
    }

    void Literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word)
            Fail("unexpected character");
        pos_ += word.size();
    }

    JsonValue Value(int depth) {
        if (depth > kMaxDepth)
            Fail("nesting too deep");
        JsonValue v;
        switch (Peek()) {
        case '{':
            v.Type = JsonValue::Kind::Object;
            ++pos_;
            SkipSpace();
            if (Peek() == '}') {
                ++pos_;
                return v;
            }
            for (;;) {
                SkipSpace();
                if (Peek() != '"')
                    Fail("expected a member name");
                const size_t at = pos_;
                std::string name = String();
                for (const auto& m : v.Members) {
                    if (m.first == name) {
                        pos_ = at;
                        Fail("member \"" + name + "\" given twice");
                    }
                }
                SkipSpace();
                Expect(':');
                SkipSpace();
                v.Members.emplace_back(std::move(name), Value(depth + 1));
                SkipSpace();
                if (Peek() == ',') {
                    ++pos_;
                    continue;
                }
                Expect('}');
                return v;
            }
        case '[':
            v.Type = JsonValue::Kind::Array;
            ++pos_;
            SkipSpace();
            if (Peek() == ']') {
                ++pos_;
                return v;
            }
            for (;;) {
                SkipSpace();
                v.Items.push_back(Value(depth + 1));
                SkipSpace();
                if (Peek() == ',') {
                    ++pos_;
                    continue;
                }
                Expect(']');
                return v;
            }
        case '"':
            v.Type = JsonValue::Kind::String;
            v.Text = String();
            return v;
        case 't':
            Literal("true");
            v.Type = JsonValue::Kind::Bool;
            v.Bool = true;
            return v;
        case 'f':
            Literal("false");
            v.Type = JsonValue::Kind::Bool;
            return v;
        case 'n':
            Literal("null");
            return v;
        default:
            if (Peek() == '-' || (Peek() >= '0' && Peek() <= '9')) {
                v.Type = JsonValue::Kind::Number;
                v.Text = Number();
                return v;
            }
            Fail(AtEnd() ? "unexpected end of the text" : "unexpected character");
        }
    }

    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    std::string Number() {
        const size_t start = pos_;
        if (Peek() == '-')
            ++pos_;
        if (Peek() == '0') {
            ++pos_;
        } else if (IsDigit(Peek())) {
            while (IsDigit(Peek()))
                ++pos_;
        } else {
            Fail("invalid number");
        }
        if (Peek() == '.') {
            ++pos_;
            if (!IsDigit(Peek()))
                Fail("invalid number");
            while (IsDigit(Peek()))
                ++pos_;
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++pos_;
            if (Peek() == '+' || Peek() == '-')
                ++pos_;
            if (!IsDigit(Peek()))
                Fail("invalid number");
            while (IsDigit(Peek()))
                ++pos_;
        }
        return std::string(text_.substr(start, pos_ - start));
    }

    unsigned Hex4() {
        unsigned v = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = Peek();
            v <<= 4;
            if (c >= '0' && c <= '9')
                v |= unsigned(c - '0');
            else if (c >= 'a' && c <= 'f')
                v |= unsigned(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                v |= unsigned(c - 'A' + 10);
            else
                Fail("invalid \\u escape");
            ++pos_;
        }
        return v;
    }

    // One UTF-8 sequence, checked: no overlong forms, no surrogates, nothing above U+10FFFF.
    void CopyUtf8(std::string& out) {
        const size_t start = pos_;
        if (!DecodeUtf8(text_, pos_))
            Fail("invalid UTF-8");
        out.append(text_.substr(start, pos_ - start));
    }

    std::string String() {
        Expect('"');
        std::string out;
        for (;;) {
            if (AtEnd())
                Fail("unterminated string");
            const char c = text_[pos_];
            if (c == '"') {
                ++pos_;
                return out;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                Fail("control character in a string");
            if (c != '\\') {
                CopyUtf8(out);
                continue;
            }
            ++pos_;
            const char e = Peek();
            ++pos_;
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                char32_t cp = Hex4();
                if (cp >= 0xD800 && cp <= 0xDBFF) {
                    if (text_.substr(pos_, 2) != "\\u")
                        Fail("unpaired surrogate in a \\u escape");
                    pos_ += 2;
                    const unsigned low = Hex4();
                    if (low < 0xDC00 || low > 0xDFFF)
                        Fail("unpaired surrogate in a \\u escape");
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                    Fail("unpaired surrogate in a \\u escape");
                }
                AppendUtf8(out, cp);
                break;
            }
            default:
                --pos_;
                Fail("invalid escape in a string");
            }
        }
    }

    std::string_view text_;
    std::string_view source_;
    size_t pos_ = 0;
};

} // namespace

const JsonValue* JsonValue::Find(std::string_view name) const {
    for (const auto& m : Members)
        if (m.first == name)
            return &m.second;
    return nullptr;
}

JsonValue ParseJson(std::string_view text, std::string_view source) {
    return Parser(text, source).Document();
}

std::string_view KindName(JsonValue::Kind kind) {
    switch (kind) {
    case JsonValue::Kind::Null:
        return "null";
    case JsonValue::Kind::Bool:
        return "true or false";
    case JsonValue::Kind::Number:
        return "a number";
    case JsonValue::Kind::String:
        return "a string";
    case JsonValue::Kind::Array:
        return "an array";
    case JsonValue::Kind::Object:
        return "an object";
    }
    return "a value";
}

} // namespace qv::cli
