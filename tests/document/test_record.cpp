#include "ReturnRecord.h"
#include "TestSupport.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <gtest/gtest.h>
#include <set>

using namespace qv;

TEST(RecordLayout, FieldsTileTheWholeRecordWithoutGapOrOverlap) {
    size_t next = 0;
    std::set<std::string_view> names;
    for (const FieldDef& def : kRecordFields) {
        EXPECT_EQ(def.Offset, next) << def.Name;
        EXPECT_GT(def.Size, 0) << def.Name;
        EXPECT_TRUE(names.insert(def.Name).second) << "duplicate " << def.Name;
        next = def.Offset + def.Size;
    }
    EXPECT_EQ(next, ReturnRecord::kSize);
}

TEST(RecordLayout, KindsHaveTheirWidths) {
    for (const FieldDef& def : kRecordFields) {
        switch (def.Kind) {
        case FieldKind::Money:
        case FieldKind::Double:
        case FieldKind::Date:
            EXPECT_EQ(def.Size, 8) << def.Name;
            break;
        case FieldKind::Int32:
            EXPECT_EQ(def.Size, 4) << def.Name;
            break;
        case FieldKind::Boolean:
            EXPECT_EQ(def.Size, 1) << def.Name;
            break;
        case FieldKind::YesNo:
            EXPECT_EQ(def.Size, 2) << def.Name;
            break;
        case FieldKind::Text:
            EXPECT_GE(def.Size, 2) << def.Name;
            break;
        case FieldKind::Reserved:
            break;
        }
        // Eight-byte numbers sit on offsets divisible by 8; that is what the gaps are for.
        if (def.Size == 8 && def.Kind != FieldKind::Text) {
            EXPECT_EQ(def.Offset % 8, 0) << def.Name;
        }
    }
}

TEST(RecordLayout, LandmarkOffsets) {
    struct Case {
        const char* name;
        int offset;
        int size;
    };
    const Case cases[] = {
        {"TaxYear", 0, 3},
        {"DueDate", 152, 8},
        {"SchedAPresPhone", 343, 15},
        {"SchedATreasPhone", 865, 15},
        {"CarriedPerson2Phone", 1305, 15},
        {"F200FElect", 1320, 1},
        {"ReportPeriod", 1400, 19},
        {"F200Line9", 1496, 8},
        {"F200Line18", 1576, 8},
        {"SchedBFiscalYear", 2168, 4},
        {"SchedCSub5Investment", 2536, 8},
        {"SchedCAff4HowRelated", 2865, 51},
        {"Reserved2979", 2979, 5},
        {"SchedDDebt1OrigAmount", 2984, 8},
        {"Reserved3063", 3063, 1},
        {"SchedDDebt9DueWithin3Yrs", 3632, 8},
        {"BalanceSheetDate", 3640, 8},
        {"Bs16aa", 3952, 8},
        {"Bs34", 4176, 8},
        {"MMForeignCorp", 4184, 1},
        {"MMLine7", 4240, 8},
    };
    for (const Case& c : cases) {
        const FieldDef* def = FindRecordField(c.name);
        ASSERT_NE(def, nullptr) << c.name;
        EXPECT_EQ(def->Offset, c.offset) << c.name;
        EXPECT_EQ(def->Size, c.size) << c.name;
    }
    EXPECT_EQ(FindRecordField("NoSuchField"), nullptr);
}

class RecordTest : public ::testing::Test {
protected:
    qv::test::TestEnv env;
};

TEST_F(RecordTest, NewReturnHasTheDefaultsAndZerosEverywhereElse) {
    Franchise doc(2010, env.services);
    const ReturnRecord& r = doc.Record;
    EXPECT_EQ(r.Get(fld::TaxYear), "10");
    EXPECT_EQ(r.Get(fld::SchedBFiscalYear), 2010);
    EXPECT_EQ(r.Get(fld::F200FBeginMonth), "January");
    EXPECT_EQ(r.Get(fld::F200FEndMonth), "December");
    EXPECT_EQ(r.Get(fld::IncOklahoma), "Y");
    EXPECT_EQ(r.Get(fld::IncOther), "N");
    EXPECT_EQ(r.Get(fld::AddressChange), "N");
    EXPECT_EQ(r.Get(fld::EstimatedReturn), "N");
    EXPECT_EQ(r.Get(fld::F200Option1), "Y");
    EXPECT_EQ(r.Get(fld::F200Option2), "N");
    EXPECT_EQ(r.Get(fld::F200FElect), 1);
    EXPECT_TRUE(doc.ReturnFileName.empty());
    EXPECT_FALSE(doc.WholeDollars);

    // Everything else is zero bytes, reserved bytes included.
    const std::set<std::string_view> defaulted = {
        "TaxYear",       "SchedBFiscalYear", "F200FBeginMonth", "F200FEndMonth", "IncOklahoma", "IncOther",
        "AddressChange", "EstimatedReturn",  "F200Option1",     "F200Option2",   "F200FElect"};
    for (const FieldDef& def : kRecordFields) {
        if (defaulted.count(def.Name))
            continue;
        for (int i = 0; i < def.Size; ++i)
            ASSERT_EQ(r.Bytes[def.Offset + i], 0) << def.Name;
    }
    // The bytes of a default text past its length are zero too.
    EXPECT_EQ(r.Bytes[fld::F200FBeginMonth.Def().Offset + 8], 0);

    // The year number decides the year fields.
    Franchise other(2004, env.services);
    EXPECT_EQ(other.Record.Get(fld::TaxYear), "04");
    EXPECT_EQ(other.Record.Get(fld::SchedBFiscalYear), 2004);
}

TEST_F(RecordTest, HeaderOfANewReturn) {
    Franchise doc(2010, env.services);
    EXPECT_TRUE(doc.FileHeader.HasSignature());
    EXPECT_EQ(doc.FileHeader.FormatVersion(), 7);
    EXPECT_EQ(doc.FileHeader.PublisherAddress(), "www.ostrel.com");
    EXPECT_EQ(doc.FileHeader.Bytes[0], 11);
    for (int i = 38; i < 44; ++i)
        EXPECT_EQ(doc.FileHeader.Bytes[i], 0);
}

TEST(ShortTextField, LongTextIsCutAndShorterTextKeepsTheOldTail) {
    ReturnRecord r;
    const std::string fifty(50, 'x');
    r.Set(fld::CorpName, fifty);
    EXPECT_EQ(r.Get(fld::CorpName), std::string(45, 'x'));
    EXPECT_EQ(r.Bytes[fld::CorpName.Def().Offset], 45);
    // The byte after the field is not touched.
    EXPECT_EQ(r.Bytes[fld::Address.Def().Offset], 0);

    r.Set(fld::CorpName, "Brandy");
    r.Set(fld::CorpName, "Jo");
    const uint8_t* p = &r.Bytes[fld::CorpName.Def().Offset];
    EXPECT_EQ(p[0], 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p + 1), 6), "Joandy");
    EXPECT_EQ(r.Get(fld::CorpName), "Jo");
}

TEST(ShortTextField, AReaderNeverLooksPastTheCapacity) {
    ReturnRecord r;
    r.Bytes[fld::TaxYear.Def().Offset] = 200; // a broken length byte
    r.Bytes[1] = '0';
    r.Bytes[2] = '9';
    r.Bytes[3] = 'Z'; // first byte of the next field
    EXPECT_EQ(r.Get(fld::TaxYear), "09");
}

TEST(YesNoField, OnlyExactlyYCountsAsSet) {
    ReturnRecord r;
    struct Case {
        const char* text;
        bool yes;
    };
    for (const Case& c : {Case{"Y", true}, Case{"N", false}, Case{"", false}, Case{"y", false}}) {
        r.SetText(fld::AddressChange.Def(), c.text);
        EXPECT_EQ(r.IsYes(fld::AddressChange), c.yes) << c.text;
    }
    r.SetText(fld::AddressChange.Def(), "YES"); // cut to its one character
    EXPECT_EQ(r.Get(fld::AddressChange), "Y");
}

TEST(NumericFields, StoredLittleEndianAtTheirOffsets) {
    ReturnRecord r;
    r.Set(fld::F200Line12, *Money::Parse("1234.56"));
    const uint8_t* p = &r.Bytes[1528];
    EXPECT_EQ(p[0], 0x00);
    EXPECT_EQ(p[1], 0x61);
    EXPECT_EQ(p[2], 0xBC);
    EXPECT_EQ(p[3], 0x00); // 12345600 = 0x00BC6100
    EXPECT_EQ(r.Get(fld::F200Line12).Units(), 12345600);
    r.Set(fld::F200Line12, *Money::Parse("-7.5"));
    EXPECT_EQ(r.Get(fld::F200Line12).Units(), -75000);
    EXPECT_EQ(r.Bytes[1528 + 7], 0xFF);

    r.Set(fld::F200Line9, 5000.0); // a ratio of one half
    EXPECT_EQ(r.Get(fld::F200Line9), 5000.0);
    EXPECT_EQ(r.Bytes[1496 + 7], 0x40);

    r.Set(fld::InterestMonths, -2);
    EXPECT_EQ(r.Bytes[168], 0xFE);
    EXPECT_EQ(r.Bytes[171], 0xFF);
    EXPECT_EQ(r.Get(fld::InterestMonths), -2);
}
