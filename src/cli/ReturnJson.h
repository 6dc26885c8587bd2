#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv {
class Franchise;
}

namespace qv::cli {

// The return as one JSON object: the file header, the edition a converted return came from, every
// named field of the record (reserved bytes left out) and the five schedule tables. Texts become
// UTF-8; Money is a string with four decimals; doubles and dates are numbers that read back to the
// same double ("NaN", "Infinity" and "-Infinity" as strings); Int32 is an integer; Boolean bytes
// are the byte's value.
std::string ReturnToJson(const Franchise& doc, std::optional<int> convertedFrom);

// A UTF-8 text as a JSON string, quoted and escaped.
std::string JsonString(std::string_view utf8);

} // namespace qv::cli
