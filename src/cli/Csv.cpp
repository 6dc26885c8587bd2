#include "Csv.h"

#include "Error.h"

#include <cstring>

namespace qv::cli {

CsvReader::CsvReader(std::string_view text, std::string source) : text_(text), source_(std::move(source)) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF")
        pos_ = 3;
}

void CsvReader::Fail(std::string_view what) const {
    throw Error(source_ + " line " + std::to_string(line_) + ": " + std::string(what));
}

bool CsvReader::Next(std::vector<std::string_view>& fields) {
    fields.clear();
    if (pos_ >= text_.size())
        return false;
    recordLine_ = line_;
    size_t quoted = 0;
    for (;;) {
        if (pos_ < text_.size() && text_[pos_] == '"') {
            // A quoted field: copied without its quotes, doubled quotes made single.
            ++pos_;
            if (quoted == unquoted_.size())
                unquoted_.emplace_back();
            std::string& value = unquoted_[quoted++];
            value.clear();
            for (;;) {
                const size_t q = text_.find('"', pos_);
                if (q == std::string_view::npos)
                    Fail("a quoted field is not closed");
                for (size_t i = pos_; i < q; ++i)
                    if (text_[i] == '\n')
                        ++line_;
                value.append(text_.substr(pos_, q - pos_));
                pos_ = q + 1;
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    value += '"';
                    ++pos_;
                    continue;
                }
                break;
            }
            fields.emplace_back(value);
            if (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\n' && text_[pos_] != '\r')
                Fail("text after a closing quote");
        } else {
            // An unquoted field runs to the next comma or line end.
            const char* begin = text_.data() + pos_;
            const char* end = text_.data() + text_.size();
            const char* p = begin;
            while (p != end && *p != ',' && *p != '\n' && *p != '\r') {
                if (*p == '"')
                    Fail("a quote inside an unquoted field");
                ++p;
            }
            fields.emplace_back(begin, static_cast<size_t>(p - begin));
            pos_ = static_cast<size_t>(p - text_.data());
        }
        if (pos_ >= text_.size())
            return true;
        const char c = text_[pos_];
        if (c == ',') {
            ++pos_;
            continue;
        }
        // End of the record: CRLF, LF or a lone CR.
        ++pos_;
        if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
        ++line_;
        return true;
    }
}

} // namespace qv::cli
