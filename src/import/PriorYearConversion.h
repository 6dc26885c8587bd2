#pragma once

#include "PriorYearReturn.h"
#include "uFranchise.h"

#include <cstdint>
#include <string>

namespace qv {

class ByteReader;

// Turning a return file of the 2004 to 2009 editions into a current return. The fields the current
// record still has are copied one by one into `doc`, a new return; everything else keeps the values
// of a new return, TaxYear ("10") included. The prior file's schedule tables are not read.
//
// These are the document side of the window's ConvertFrom2004 ... ConvertFrom2009: the window
// shows the busy cursor around them and recomputes and refreshes afterwards, also after an error.
// They do not recompute. An error (a file that cannot be read) leaves `doc` untouched.
//
// The result is true when the file was read. A missing file has been reported to the user (beep
// and message) and gives false; the defaults of the edition's reader were copied then, as in a
// conversion of an empty file.
bool ConvertPriorReturn(Franchise& doc, int32_t version, const std::string& path);
// The same for a file already open: `header` was read from the start of `in`, which stands right
// after it; the header's version chooses the edition.
void ConvertPriorReturn(Franchise& doc, const ReturnFileHeader& header, ByteReader& in);

bool ConvertFrom2004(Franchise& doc, const std::string& path);
bool ConvertFrom2005(Franchise& doc, const std::string& path);
bool ConvertFrom2006(Franchise& doc, const std::string& path);
bool ConvertFrom2007(Franchise& doc, const std::string& path);
bool ConvertFrom2008(Franchise& doc, const std::string& path);
bool ConvertFrom2009(Franchise& doc, const std::string& path);

// Copies the carried fields of a prior record into the current one, in record order: texts cut to
// the current capacity, numbers and flags bit for bit, the packed Schedule D dates of 2004 and 2005
// as short-date text (0.0 leaves the field empty).
void CopyCarriedFields(const PriorYearReturn& prior, ReturnRecord& record, const RegionalSettings& regional);

// The step of the 2005 conversion: tblCurrDebt is emptied and takes one row for every row of
// tblCurrDebt2005, dates as short-date text, and is left on its first row.
void ReplaceCurrDebtWith2005Rows(Tdm& dm, const RegionalSettings& regional);

} // namespace qv
