#include "PriorFileBuilder.h"
#include "PriorYearLayout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

using namespace qv;
using namespace qv::test;

class PriorLayout : public ::testing::TestWithParam<int> {};

// The readers' table against the builder's own reading of the prior-year layouts: the same fields,
// at the same places, with the same widths.
TEST_P(PriorLayout, ReaderTableAgreesWithTheBuilder) {
    const int version = GetParam();
    const PriorEdition* edition = PriorEditionOfVersion(version);
    ASSERT_NE(edition, nullptr);
    EXPECT_EQ(edition->Year, 2003 + version);
    EXPECT_EQ(edition->RecordLength, PriorFileBuilder::RecordLengthOf(version));

    std::map<FieldId, CarriedField> reader;
    for (const CarriedField& f : CarriedFields(*edition))
        reader.emplace(f.Current, f);
    const PriorFileBuilder builder(version);
    size_t carried = 0;
    for (size_t i = 0; i < kRecordFieldCount; ++i) {
        const FieldDef& def = kRecordFields[i];
        const std::optional<PriorPlace> place = builder.PlaceOf(def.Name);
        const auto it = reader.find(static_cast<FieldId>(i));
        ASSERT_EQ(place.has_value(), it != reader.end()) << def.Name;
        if (!place)
            continue;
        ++carried;
        EXPECT_EQ(it->second.PriorOffset, place->Offset) << def.Name;
        EXPECT_EQ(it->second.PriorSize, place->Size) << def.Name;
        EXPECT_EQ(it->second.Rule == CarryRule::DateAsText, place->DateValue) << def.Name;
    }
    EXPECT_EQ(carried, reader.size());
}

// The carried fields of an edition lie inside its record and never on top of each other.
TEST_P(PriorLayout, CarriedFieldsFitTheRecordWithoutOverlap) {
    const PriorEdition& edition = *PriorEditionOfVersion(GetParam());
    std::vector<CarriedField> fields = CarriedFields(edition);
    std::sort(fields.begin(), fields.end(),
              [](const CarriedField& a, const CarriedField& b) { return a.PriorOffset < b.PriorOffset; });
    size_t end = 0;
    for (const CarriedField& f : fields) {
        EXPECT_GE(f.PriorOffset, end) << DefOf(f.Current).Name;
        end = size_t{f.PriorOffset} + f.PriorSize;
    }
    EXPECT_LE(end, static_cast<size_t>(edition.RecordLength));
}

INSTANTIATE_TEST_SUITE_P(Editions, PriorLayout, ::testing::Range(1, 7),
                         [](const auto& p) { return std::to_string(2003 + p.param); });

TEST(PriorLayout, KnownPlaces) {
    EXPECT_EQ(PriorFileBuilder(4).PlaceOf("IncOklahoma")->Offset, 1419u);
    EXPECT_EQ(PriorFileBuilder(3).PlaceOf("IncOklahoma")->Offset, 1404u);
    EXPECT_EQ(PriorFileBuilder(1).PlaceOf("SchedDDebt1Lender")->Offset, 2868u);
    EXPECT_EQ(PriorFileBuilder(1).PlaceOf("SchedDDebt1MaturityDate")->Offset, 2912u);
    EXPECT_EQ(PriorFileBuilder(2).PlaceOf("SchedDDebt9DueWithin3Yrs")->Offset, 2936u + 64 * 7 + 56);
    EXPECT_EQ(PriorFileBuilder(1).PlaceOf("MMForeignCorp")->Offset, 3992u);
    EXPECT_FALSE(PriorFileBuilder(6).PlaceOf("TaxYear"));
    EXPECT_FALSE(PriorFileBuilder(6).PlaceOf("Bs1a"));
    EXPECT_FALSE(PriorFileBuilder(6).PlaceOf("F200FPhone"));
}

TEST(PriorLayout, NoEditionBeyondTheSix) {
    for (int version : {-1, 0, 7, 8})
        EXPECT_EQ(PriorEditionOfVersion(version), nullptr) << version;
}
