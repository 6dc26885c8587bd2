#include "Error.h"

#include <cstring>

namespace qv::msg {

std::string FileDoesNotExist(std::string_view fileName) {
    std::string text = "The File ";
    text += fileName;
    text += " does not exist!";
    return text;
}

std::string FileAlreadyExists(std::string_view fileName) {
    std::string text = "The File ";
    text += fileName;
    text += " already exists!";
    return text;
}

std::string StreamWriteFailed(std::string_view fileName, int error) {
    std::string text(StreamWriteError);
    text += ": \"";
    text += fileName;
    text += "\": ";
    text += error != 0 ? std::strerror(error) : "the bytes could not be written";
    return text;
}

std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    auto next = args.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's' && next != args.end()) {
            out += *next++;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace qv::msg
