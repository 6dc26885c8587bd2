#pragma once

#include <charconv>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The per-user settings: named string values; a yes/no value is stored as "1" or "0" and an absent
// value reads as its default. The window keeps them in the settings store of the platform; tests and
// the command line may supply their own.
class Settings {
public:
    virtual ~Settings() = default;
    virtual std::optional<std::string> ReadString(std::string_view name) const = 0;
    virtual void WriteString(std::string_view name, std::string_view value) = 0;

    // A yes/no value: a whole number (32-bit, as the registry's texts were read), 0 for no and any
    // other for yes. An absent value, or a text that is not such a number (the empty text, "yes"),
    // reads as the default.
    bool ReadBool(std::string_view name, bool defaultValue) const {
        std::optional<std::string> v = ReadString(name);
        if (!v)
            return defaultValue;
        std::string_view text = *v;
        if (!text.empty() && text[0] == '+')
            text.remove_prefix(1);
        long long n = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
        if (ec != std::errc() || end != text.data() + text.size() || n < INT32_MIN || n > INT32_MAX)
            return defaultValue;
        return n != 0;
    }
    void WriteBool(std::string_view name, bool value) { WriteString(name, value ? "1" : "0"); }
};

// Settings held in memory.
class MemorySettings : public Settings {
public:
    std::optional<std::string> ReadString(std::string_view name) const override {
        auto it = values_.find(std::string(name));
        if (it == values_.end())
            return std::nullopt;
        return it->second;
    }
    void WriteString(std::string_view name, std::string_view value) override {
        values_[std::string(name)] = std::string(value);
    }

private:
    std::map<std::string, std::string> values_;
};

} // namespace qv
