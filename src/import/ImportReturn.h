#pragma once

#include "uFranchise.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv {

class ByteReader;

// Opening a return file of any edition: the one operation behind File > Open, File > Import, the
// file named on the command line, and the fti tool.
enum class ImportOutcome {
    Loaded,    // a current-format file, loaded; the return carries the file's name
    Converted, // a 2004-2009 file, converted; the return has no name ("Untitled")
    Missing,   // no file at the path; the user has been told (beep and message)
};

struct ImportResult {
    ImportOutcome Outcome;
    // The edition year that wrote the file: 2004 to 2009 when converted, 2010 when loaded, 0 when
    // missing.
    int EditionYear = 0;

    std::optional<int> ConvertedFrom() const {
        return Outcome == ImportOutcome::Converted ? std::optional<int>(EditionYear) : std::nullopt;
    }
};

struct ImportOptions {
    // Recompute a loaded current-format return (as Open does); a converted return is always
    // recomputed. `fti show` shows a current file as it was read.
    bool RecomputeLoaded = true;
    // Recompute a converted return (as Open does); `fti check` computes it itself, to report a
    // computation that stops as a finding.
    bool RecomputeConverted = true;
};

// The message the caller shows after a conversion, formatted with the edition year, and the name
// the converted return then has.
inline constexpr std::string_view kConvertedMessage =
    "Version %d Data has been converted, however, additional schedules could not be converted.";
inline constexpr std::string_view kUntitled = "Untitled";
std::string ConvertedMessage(int editionYear);

// Reads the file at `path` into `freshDoc`, a return just made by the caller: the format version is
// read from the header; versions 1 to 6 are converted field by field (see PriorYearConversion.h),
// any other value goes to the current-format loader, which accepts version 7 only; then the return
// is recomputed.
//
// A missing file is reported by the version check and once more by the loader, as Open always
// has, and gives Missing; the return stays blank and carries the missing name, under which a save
// creates the file.
//
// Every failure is an error with the message the user sees. A file that cannot be read leaves
// `freshDoc` a blank return again, with no file name, so that the file that failed is never the target of a
// later save; after a failed load of a current-format file the five schedule tables are emptied too, since
// the loader may have filled some of them from that file. The schedule tables are otherwise left to the
// caller: a conversion keeps the rows they held (except the 2005 edition's current debts). A computation
// error after a complete read leaves the return as read, with its name.
ImportResult ImportReturn(Franchise& freshDoc, const std::string& path, ImportOptions options = {});
// The same for a file already open (or bytes in memory), read from its start once: the version check
// takes the header and hands the rest to the reader of that version. `name` is the file's path, which
// a loaded return carries.
ImportResult ImportReturn(Franchise& freshDoc, ByteReader& in, const std::string& name,
                          ImportOptions options = {});

} // namespace qv
