#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace qv {

// The one exception type of the program. Its what() is the exact text the user sees, in UTF-8.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Message texts shared by several modules, exactly as the user sees them.
namespace msg {
inline constexpr std::string_view CouldNotReadFile = "Could not read file";
inline constexpr std::string_view UnrecognizedFileType = "Could not read file - Unrecogonized File Type";
inline constexpr std::string_view StreamReadError = "Stream read error";
inline constexpr std::string_view StreamWriteError = "Stream write error";
inline constexpr std::string_view InvalidStreamFormat = "Invalid stream format";
inline constexpr std::string_view InvalidPropertyValue = "Invalid property value";
inline constexpr std::string_view UnknownFieldType = "Unknown field type (%s)";
inline constexpr std::string_view NoFieldCount = "Couldnt determine field count for load.";
inline constexpr std::string_view CannotCreateFile = "Cannot create file \"%s\". %s";
inline constexpr std::string_view CannotOpenFile = "Cannot open file \"%s\". %s";

// "The File " + name + " does not exist!"
std::string FileDoesNotExist(std::string_view fileName);
// "The File " + name + " already exists!": a command that never replaces a file found one.
std::string FileAlreadyExists(std::string_view fileName);
// "Stream write error: "<file>": <cause>".
std::string StreamWriteFailed(std::string_view fileName, int error);
// Replaces the %s placeholders of a message pattern in order.
std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args);
} // namespace msg

} // namespace qv
