#include "PriorFileBuilder.h"

#include "RecordFields.h"

#include <bit>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace qv::test {

namespace {

// The blocks of carried fields by their current record offsets (first and last byte), and how far
// each edition (versions 1 to 6) moved them: current offset minus prior offset. kPacked marks the
// Schedule D block that versions 1 and 2 lay out row by row (kPackedRows).
constexpr int kPacked = -1;
struct Block {
    int From;
    int To;
    std::array<int, 6> Shift;
};
constexpr Block kBlocks[] = {
    {3, 1384, {0, 0, 0, 0, 0, 0}},
    {1419, 1426, {15, 15, 15, 0, 0, 0}},
    {1504, 1507, {16, 16, 16, 0, 0, 0}},
    {1584, 1721, {24, 24, 24, 8, 8, 0}},
    {1744, 2002, {46, 46, 46, 30, 8, 0}},
    {2008, 2946, {48, 48, 48, 32, 8, 0}},
    {2947, 3639, {kPacked, kPacked, 48, 32, 8, 0}},
    {4184, 4186, {192, 192, 48, 32, 8, 0}},
};
constexpr int kRecordLengths[] = {4048, 4056, 4200, 4216, 4240, 4248};

// Schedule D of versions 1 and 2, row k (1..9): lender, issue date, maturity date, original amount,
// due within three years.
std::array<int, 5> PackedRow(int k) {
    if (k == 1)
        return {2868, 2904, 2912, 2920, 2928};
    const int lender = 2936 + 64 * (k - 2);
    return {lender, lender + 32, lender + 40, lender + 48, lender + 56};
}
constexpr std::string_view kDebtColumns[] = {"Lender", "IssueDate", "MaturityDate", "OrigAmount",
                                             "DueWithin3Yrs"};

void Store(uint8_t* p, uint64_t v, size_t n) {
    for (size_t i = 0; i < n; ++i, v >>= 8)
        p[i] = static_cast<uint8_t>(v);
}

} // namespace

PriorFileBuilder::PriorFileBuilder(int version) : version_(version) {
    if (version < 1 || version > 6)
        throw std::invalid_argument("no prior edition with version " + std::to_string(version));
    record_.assign(static_cast<size_t>(RecordLengthOf(version)), 0);
    declaredLength_ = RecordLengthOf(version);
    header_[0] = 11;
    std::memcpy(&header_[1], "ostrel BLRX", 11);
    Store(&header_[12], static_cast<uint32_t>(version), 4);
    const std::string_view publisher = "www.ostrel.com";
    header_[16] = static_cast<uint8_t>(publisher.size());
    std::memcpy(&header_[17], publisher.data(), publisher.size());
}

int PriorFileBuilder::RecordLengthOf(int version) {
    return kRecordLengths[version - 1];
}

std::optional<PriorPlace> PriorFileBuilder::PlaceOf(std::string_view field) const {
    const FieldDef* def = FindRecordField(field);
    if (def == nullptr || def->Kind == FieldKind::Reserved)
        return std::nullopt;
    for (const Block& b : kBlocks) {
        if (def->Offset < b.From || def->Offset > b.To)
            continue;
        const int shift = b.Shift[static_cast<size_t>(version_ - 1)];
        if (shift != kPacked)
            return PriorPlace{static_cast<size_t>(def->Offset - shift), def->Size, false};
        // "SchedDDebt<k><column>"
        const std::string_view rest = field.substr(std::string_view("SchedDDebt").size());
        const int k = rest[0] - '0';
        for (size_t c = 0; c < std::size(kDebtColumns); ++c) {
            if (rest.substr(1) == kDebtColumns[c]) {
                const bool date = c == 1 || c == 2;
                return PriorPlace{static_cast<size_t>(PackedRow(k)[c]), date ? 8u : def->Size, date};
            }
        }
        throw std::logic_error("not a Schedule D field: " + std::string(field));
    }
    return std::nullopt;
}

PriorPlace PriorFileBuilder::Place(std::string_view field, size_t expectedSize) const {
    std::optional<PriorPlace> place = PlaceOf(field);
    if (!place)
        throw std::invalid_argument(std::string(field) + " is not carried by version " +
                                    std::to_string(version_));
    if (expectedSize != 0 && place->Size != expectedSize)
        throw std::invalid_argument(std::string(field) + " does not have that width");
    return *place;
}

PriorFileBuilder& PriorFileBuilder::Text(std::string_view field, std::string_view text) {
    const PriorPlace place = Place(field, 0);
    if (place.DateValue || text.size() > place.Size - 1)
        throw std::invalid_argument(std::string(field) + " cannot hold that text");
    return TextWithLengthByte(field, static_cast<uint8_t>(text.size()), text);
}

PriorFileBuilder& PriorFileBuilder::TextWithLengthByte(std::string_view field, uint8_t lengthByte,
                                                       std::string_view chars) {
    const PriorPlace place = Place(field, 0);
    if (chars.size() > place.Size - 1)
        throw std::invalid_argument(std::string(field) + " cannot hold that text");
    uint8_t* p = At(place);
    p[0] = lengthByte;
    std::memcpy(p + 1, chars.data(), chars.size());
    return *this;
}

PriorFileBuilder& PriorFileBuilder::Money(std::string_view field, int64_t units) {
    Store(At(Place(field, 8)), static_cast<uint64_t>(units), 8);
    return *this;
}

PriorFileBuilder& PriorFileBuilder::Double(std::string_view field, double value) {
    return DoubleBits(field, std::bit_cast<uint64_t>(value));
}

PriorFileBuilder& PriorFileBuilder::DoubleBits(std::string_view field, uint64_t bits) {
    Store(At(Place(field, 8)), bits, 8);
    return *this;
}

PriorFileBuilder& PriorFileBuilder::Int32(std::string_view field, int32_t value) {
    Store(At(Place(field, 4)), static_cast<uint32_t>(value), 4);
    return *this;
}

PriorFileBuilder& PriorFileBuilder::Byte(std::string_view field, uint8_t value) {
    *At(Place(field, 1)) = value;
    return *this;
}

PriorFileBuilder& PriorFileBuilder::FillRecord(uint8_t value) {
    std::fill(record_.begin(), record_.end(), value);
    return *this;
}

PriorFileBuilder& PriorFileBuilder::Raw(size_t offset, std::string_view bytes) {
    if (offset + bytes.size() > record_.size())
        throw std::out_of_range("bytes beyond the record");
    std::memcpy(&record_[offset], bytes.data(), bytes.size());
    return *this;
}

PriorFileBuilder& PriorFileBuilder::FormatVersion(int32_t version) {
    Store(&header_[12], static_cast<uint32_t>(version), 4);
    return *this;
}

PriorFileBuilder& PriorFileBuilder::DeclaredLength(int32_t length) {
    declaredLength_ = length;
    return *this;
}

PriorFileBuilder& PriorFileBuilder::Trailing(std::string_view bytes) {
    trailing_ = std::string(bytes);
    return *this;
}

std::string PriorFileBuilder::Bytes() const {
    std::string out(reinterpret_cast<const char*>(header_.data()), header_.size());
    uint8_t length[4];
    Store(length, static_cast<uint32_t>(declaredLength_), 4);
    out.append(reinterpret_cast<const char*>(length), 4);
    out.append(reinterpret_cast<const char*>(record_.data()), record_.size());
    out += trailing_;
    return out;
}

void PriorFileBuilder::Write(const std::string& path) const {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    const std::string bytes = Bytes();
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!f)
        throw std::runtime_error("cannot write " + path);
}

} // namespace qv::test
