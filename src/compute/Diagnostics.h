#pragma once

#include "RecordFields.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class Franchise;

// What may be wrong with a return before it is filed: a list of findings, each with a stable code,
// a severity, the record fields or schedule-table rows it concerns, and a sentence that names the
// line as the form does. A pure function of the return and its tables; it changes nothing.
struct Finding {
    enum class Severity {
        Error,   // the return is wrong or incomplete as filed
        Warning, // probably wrong
    };
    struct Row {
        std::string_view Table; // "tblSubsidiaries", ...
        size_t Index;           // 0-based row
        std::string_view Column;
        friend bool operator==(const Row&, const Row&) = default;
    };

    std::string_view Code; // "balance", "fein", ...
    Severity Level = Severity::Error;
    std::vector<FieldId> Fields; // the first is where the user goes to mend it
    std::vector<Row> Rows;
    std::string Message;
};

std::string_view SeverityName(Finding::Severity severity); // "error", "warning"

// The findings of a return as it stands, in the order of the forms; the return is expected to have
// been computed. When the computation stopped, its message is passed in and becomes a finding
// "computation" of its own, unless a finding above already says why (Option 1 with line 8 at zero).
std::vector<Finding> Diagnose(const Franchise& doc, std::string_view computationError = {});

// True when one of the findings is an error.
bool HasErrors(const std::vector<Finding>& findings);

} // namespace qv
