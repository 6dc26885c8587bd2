#pragma once

// uFranchise: Franchise, the return document, and ReturnFileHeader, the header of its file.

#include "AtomicFile.h"
#include "ReturnRecord.h"
#include "Services.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

class ByteReader;
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

// The opening that every return file shares, current or prior, read once by whichever reader the
// file reaches first.
// The header from the start of a return file. A file of 44 bytes or fewer holds no return: "Could not
// read file".
ReturnFileHeader ReadReturnFileHeader(ByteReader& in);
// The record length that follows the header, checked against the file and against the `capacity` of
// the record that takes it: a length that is negative, larger, or not smaller than the file is "Could
// not read file".
size_t ReadRecordLength(ByteReader& in, size_t capacity);

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
    // The same reading from the header on: `header` was read from the start of `in`
    // (ReadReturnFileHeader), which stands right after it. Takes the header, refuses any but this
    // edition's, then reads the record and the table streams.
    void LoadAfterHeader(const ReturnFileHeader& header, ByteReader& in);

private:
    Services& services_;
};

} // namespace qv
