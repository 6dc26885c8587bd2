#include "CliNotices.h"

#include "Codepage1252.h"

#include <cstdio>
#ifdef _WIN32
#include <io.h>
#define QV_ISATTY _isatty
#define QV_FILENO _fileno
#else
#include <unistd.h>
#define QV_ISATTY isatty
#define QV_FILENO fileno
#endif

namespace qv::cli {

namespace {

// The length of the valid UTF-8 sequence at text[i], or 0.
size_t Utf8Length(std::string_view text, size_t i) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    size_t n = 0;
    char32_t c = 0, min = 0;
    if (b0 < 0x80)
        return 1;
    if ((b0 & 0xE0) == 0xC0)
        n = 2, c = b0 & 0x1F, min = 0x80;
    else if ((b0 & 0xF0) == 0xE0)
        n = 3, c = b0 & 0x0F, min = 0x800;
    else if ((b0 & 0xF8) == 0xF0)
        n = 4, c = b0 & 0x07, min = 0x10000;
    else
        return 0;
    if (i + n > text.size())
        return 0;
    for (size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return n;
}

void AppendEscaped(std::string& out, unsigned char byte) {
    static const char* hex = "0123456789ABCDEF";
    out += "\\x";
    out += hex[byte >> 4];
    out += hex[byte & 15];
}

} // namespace

std::string Printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // Line ends and tabs of the program's own messages stay; a lone carriage return, which
        // would let a text overwrite what the line showed, does not.
        if (byte == '\n' || byte == '\t' || (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            out += static_cast<char>(byte);
            ++i;
            continue;
        }
        if (byte < 0x20 || byte == 0x7F) {
            AppendEscaped(out, byte);
            ++i;
            continue;
        }
        if (const size_t n = Utf8Length(text, i)) {
            // C1 control characters (U+0080 to U+009F) are escaped like the C0 ones.
            if (n == 2 && byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) <= 0x9F)
                AppendEscaped(out, static_cast<unsigned char>(text[i + 1]));
            else
                out.append(text.substr(i, n));
            i += n;
            continue;
        }
        // Not UTF-8: a byte of the code page the files are written in.
        const char32_t c = Cp1252ToUnicode(byte);
        if (c >= 0x80 && c <= 0x9F)
            AppendEscaped(out, byte);
        else
            out += Cp1252ToUtf8(std::string_view(text.substr(i, 1)));
        ++i;
    }
    return out;
}

void CliNotices::Beep() {
    if (QV_ISATTY(QV_FILENO(stderr)))
        err_ << '\a' << std::flush;
}

void CliNotices::Error(std::string_view text) {
    err_ << Printable(text) << '\n';
    lastError_ = std::string(text);
    errorShown_ = true;
}

void CliNotices::Information(std::string_view text) {
    err_ << Printable(text) << '\n';
}

Notices::Answer CliNotices::Question(std::string_view text, Buttons buttons) {
    err_ << Printable(text) << '\n';
    return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
}

} // namespace qv::cli
