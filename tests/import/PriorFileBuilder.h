#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::test {

// Where a current field lies in the record of a prior edition.
struct PriorPlace {
    size_t Offset;
    size_t Size;
    // A Schedule D date of the 2004 and 2005 editions: a DateValue there, text in the current record.
    bool DateValue;
};

// Builds return files of the 2004 to 2009 editions (format versions 1 to 6) for the tests and the
// example files. Its layout is written down here on its own, from the prior-year layout tables,
// so that the readers are checked against a second reading of those tables.
class PriorFileBuilder {
public:
    explicit PriorFileBuilder(int version);

    int Version() const { return version_; }
    static int RecordLengthOf(int version);
    // The place of the current field of that name in this edition's record; nullopt when the
    // edition does not carry it.
    std::optional<PriorPlace> PlaceOf(std::string_view field) const;

    // Values of carried fields, at this edition's places; the field must be carried.
    PriorFileBuilder& Text(std::string_view field, std::string_view text);
    // A text with a length byte of its own, which may exceed the field's capacity.
    PriorFileBuilder& TextWithLengthByte(std::string_view field, uint8_t lengthByte, std::string_view chars);
    PriorFileBuilder& Money(std::string_view field, int64_t units);
    // Doubles and DateValues, the packed Schedule D dates included.
    PriorFileBuilder& Double(std::string_view field, double value);
    PriorFileBuilder& DoubleBits(std::string_view field, uint64_t bits);
    PriorFileBuilder& Int32(std::string_view field, int32_t value);
    PriorFileBuilder& Byte(std::string_view field, uint8_t value);

    // Every record byte set to one value (before the fields are written).
    PriorFileBuilder& FillRecord(uint8_t value);
    // Raw bytes at a record offset.
    PriorFileBuilder& Raw(size_t offset, std::string_view bytes);
    std::array<uint8_t, 44>& Header() { return header_; }
    PriorFileBuilder& FormatVersion(int32_t version);
    PriorFileBuilder& DeclaredLength(int32_t length);
    // Bytes after the record, where a prior file keeps its schedule tables.
    PriorFileBuilder& Trailing(std::string_view bytes);

    std::string Bytes() const;
    void Write(const std::string& path) const;

private:
    PriorPlace Place(std::string_view field, size_t expectedSize) const;
    uint8_t* At(const PriorPlace& place) { return &record_[place.Offset]; }

    int version_;
    std::array<uint8_t, 44> header_{};
    std::vector<uint8_t> record_;
    int32_t declaredLength_;
    std::string trailing_;
};

// The example files of earlier editions kept in examples/: file name and content.
struct ExampleFile {
    std::string Name;
    std::string Bytes;
};
std::vector<ExampleFile> PriorYearExamples();

} // namespace qv::test
