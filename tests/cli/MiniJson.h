#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

// A small JSON reader for the tests: enough to check that the tool's output is well-formed JSON and
// to look values up in it. Numbers keep their text, so "exactly this number" can be checked.
struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool boolean = false;
    std::string text; // number text or string value (UTF-8)
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;

    // Defined below the class: a vector of pairs holding a Json needs Json complete where its
    // destructor is made, which clang does at once under C++20.
    Json() = default;
    Json(const Json&) = default;
    Json(Json&&) = default;
    Json& operator=(const Json&) = default;
    Json& operator=(Json&&) = default;
    ~Json();

    const Json& operator[](const std::string& key) const {
        for (const auto& [k, v] : members)
            if (k == key)
                return v;
        throw std::out_of_range("no member " + key);
    }
    bool Has(const std::string& key) const {
        for (const auto& m : members)
            if (m.first == key)
                return true;
        return false;
    }

    static Json Parse(const std::string& s) {
        size_t i = 0;
        Json j = Value(s, i);
        Space(s, i);
        if (i != s.size())
            throw std::runtime_error("trailing characters at " + std::to_string(i));
        return j;
    }

private:
    static void Space(const std::string& s, size_t& i) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\n' || s[i] == '\r' || s[i] == '\t'))
            ++i;
    }
    static void Expect(const std::string& s, size_t& i, char c) {
        Space(s, i);
        if (i >= s.size() || s[i] != c)
            throw std::runtime_error(std::string("expected ") + c + " at " + std::to_string(i));
        ++i;
    }
    static std::string String(const std::string& s, size_t& i) {
        Expect(s, i, '"');
        std::string out;
        while (i < s.size() && s[i] != '"') {
            unsigned char c = static_cast<unsigned char>(s[i]);
            if (c < 0x20)
                throw std::runtime_error("control character in string");
            if (c == '\\') {
                char e = s.at(++i);
                switch (e) {
                case 'n':
                    out += '\n';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'u': {
                    unsigned v = static_cast<unsigned>(std::stoul(s.substr(i + 1, 4), nullptr, 16));
                    i += 4;
                    if (v >= 0x80)
                        throw std::runtime_error("test reader handles only \\u00xx");
                    out += static_cast<char>(v);
                    break;
                }
                default:
                    out += e;
                }
                ++i;
            } else {
                out += s[i++];
            }
        }
        Expect(s, i, '"');
        return out;
    }
    static Json Value(const std::string& s, size_t& i) {
        Space(s, i);
        Json j;
        if (i >= s.size())
            throw std::runtime_error("unexpected end");
        char c = s[i];
        if (c == '{') {
            j.kind = Kind::Object;
            ++i;
            Space(s, i);
            if (s.at(i) == '}') {
                ++i;
                return j;
            }
            for (;;) {
                std::string key = String(s, i);
                Expect(s, i, ':');
                j.members.emplace_back(key, Value(s, i));
                Space(s, i);
                if (s.at(i) == ',') {
                    ++i;
                    continue;
                }
                Expect(s, i, '}');
                return j;
            }
        }
        if (c == '[') {
            j.kind = Kind::Array;
            ++i;
            Space(s, i);
            if (s.at(i) == ']') {
                ++i;
                return j;
            }
            for (;;) {
                j.items.push_back(Value(s, i));
                Space(s, i);
                if (s.at(i) == ',') {
                    ++i;
                    continue;
                }
                Expect(s, i, ']');
                return j;
            }
        }
        if (c == '"') {
            j.kind = Kind::String;
            j.text = String(s, i);
            return j;
        }
        if (s.compare(i, 4, "null") == 0) {
            i += 4;
            return j;
        }
        if (s.compare(i, 4, "true") == 0 || s.compare(i, 5, "false") == 0) {
            j.kind = Kind::Bool;
            j.boolean = s[i] == 't';
            i += j.boolean ? 4 : 5;
            return j;
        }
        size_t start = i;
        while (i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '-' ||
                                s[i] == '+' || s[i] == '.' || s[i] == 'e' || s[i] == 'E'))
            ++i;
        if (start == i)
            throw std::runtime_error("unexpected character at " + std::to_string(i));
        j.kind = Kind::Number;
        j.text = s.substr(start, i - start);
        return j;
    }
};

inline Json::~Json() = default;
