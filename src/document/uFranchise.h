#pragma once

#include "AtomicFile.h"
#include "ReturnRecord.h"
#include "Services.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

class Tdm;

// The first 44 bytes of every return file: Signature (ShortText[11]) at 0, FormatVersion (Int32) at
// 12, PublisherAddress (ShortText[21]) at 16, six reserved bytes at 38.
struct ReturnFileHeader {
    static constexpr size_t kSize = 44;
    static constexpr std::string_view kSignature = "ostrel BLRX";
    static constexpr int32_t kCurrentVersion = 7;
    static constexpr std::string_view kPublisherAddress = "www.ostrel.com";

    std::array<uint8_t, kSize> Bytes{};

    // True when the stored signature is exactly "ostrel BLRX" with its length byte 11.
    bool HasSignature() const;
    int32_t FormatVersion() const;
    std::string PublisherAddress() const;
    // Signature, version 7 and the publisher's address; the reserved bytes stay as they are.
    void Reset();
    friend bool operator==(const ReturnFileHeader&, const ReturnFileHeader&) = default;
};

// The return document: the record of one corporation's return, the header of its file, the file's
// path and the program folder. The schedule tables live in the data module (Services::dm) and always
// belong to the open return.
class Franchise {
public:
    // A new return for the given year with the defaults of a fresh return.
    Franchise(int year, Services& services);
    Franchise(const Franchise&) = delete;
    Franchise& operator=(const Franchise&) = delete;

    ReturnRecord Record;
    ReturnFileHeader FileHeader;
    // Path of the return file last loaded or saved (UTF-8); empty in a new return.
    std::string ReturnFileName;
    // Folder of the program, ending in a path separator; the form template is looked for there.
    std::string ProgramFolder;
    // Print amounts in whole dollars; taken from the settings at the start of every print run.
    bool WholeDollars = false;

    Services& Env() const { return services_; }
    Tdm& dm() const { return services_.dm; }

    void ResetHeader() { FileHeader.Reset(); }

    // Writes header, record and the five table streams. The earlier file is replaced only once the
    // new one is complete on disk; a failed save leaves it byte for byte as it was.
    // Under CreateNew an existing file is never replaced: of two saves to one new name, exactly one
    // succeeds and the other fails with "The File <path> already exists!".
    void SaveToFile(const std::string& path, AtomicFileWriter::Mode mode = AtomicFileWriter::Mode::Replace);
    // Reads a return file of this edition. A missing file is reported to the user (beep and message)
    // and is not an error; everything else that goes wrong is an error with the message the user sees.
    void LoadFromFile(const std::string& path);

    // Derives every computed line from the entered ones (defined by the computation module).
    void ComputeReturn();

    // Printing (defined by the print module). Both runs recompute the return and write the PDF of
    // the forms next to the return file, under its name with the extension ".pdf"; Print Selected
    // takes the forms chosen in its dialog. A return never saved has no place for its PDF and is
    // refused with an error. True when the PDF was written; a PDF that could not be written has been
    // reported to the user, and whatever file of that name was there before is not the new one.
    bool PrintAll();
    bool PrintSelected(bool balanceSheet, bool schedBCD, bool form200F, bool minMax, bool schedA,
                       bool form200);
    // The whole-dollar flag from the setting "WholeDollars" (absent: no).
    void ReadWholeDollars();
    // The setting "CombineSchedules" (absent: yes): the balance-sheet schedules share pages.
    bool ReadCombineSchedules() const;

private:
    Services& services_;
};

} // namespace qv
