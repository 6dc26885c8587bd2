#include "Error.h"
#include "PriorFileBuilder.h"
#include "PriorYearConversion.h"
#include "ShortText.h"
#include "TestSupport.h"

#include <bit>
#include <climits>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using namespace qv;
using namespace qv::test;

namespace {

// What a converted record must hold in one carried field: a text, or exact bytes.
struct Expected {
    bool IsText = false;
    std::string Text;
    std::string Bits;
};

std::string Bytes(uint64_t v, size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i, v >>= 8)
        s[i] = static_cast<char>(v);
    return s;
}

// A text filling the whole capacity, different for every field, so that a field read from a wrong
// place or with a wrong width shows.
std::string DistinctText(const FieldDef& def, size_t index) {
    std::string s = std::string(def.Name) + "#";
    while (s.size() < def.Capacity())
        s += static_cast<char>('A' + (s.size() + index) % 26);
    s.resize(def.Capacity());
    return s;
}

// Writes a distinct value into every field the edition carries and gives what the converted
// record must then hold.
std::map<std::string, Expected> WriteEveryCarriedField(PriorFileBuilder& b, const ReturnRecord& fresh) {
    std::map<std::string, Expected> expected;
    for (size_t i = 0; i < kRecordFieldCount; ++i) {
        const FieldDef& def = kRecordFields[i];
        const std::optional<PriorPlace> place = b.PlaceOf(def.Name);
        if (!place)
            continue;
        Expected& e = expected[std::string(def.Name)];
        const std::string name(def.Name);
        switch (def.Kind) {
        case FieldKind::Text:
            e.IsText = true;
            if (place->DateValue) {
                const int year = 2001 + static_cast<int>(i % 9), month = 1 + static_cast<int>(i % 12),
                          day = 1 + static_cast<int>(i % 28);
                b.Double(name, EncodeDate(year, month, day) + 0.75);
                e.Text = std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
            } else {
                e.Text = DistinctText(def, i);
                b.Text(name, e.Text);
            }
            break;
        case FieldKind::YesNo:
            e.IsText = true;
            e.Text = fresh.GetText(def) == "Y" ? "N" : "Y";
            b.Text(name, e.Text);
            break;
        case FieldKind::Boolean: {
            const uint8_t v = fresh.Bytes[def.Offset] == 0 ? 2 : 0;
            b.Byte(name, v);
            e.Bits = Bytes(v, 1);
            break;
        }
        case FieldKind::Money: {
            const int64_t units = (static_cast<int64_t>(i) + 1) * -1000003;
            b.Money(name, units);
            e.Bits = Bytes(static_cast<uint64_t>(units), 8);
            break;
        }
        case FieldKind::Double:
        case FieldKind::Date: {
            // A NaN with a payload proves the copy goes bit for bit.
            const uint64_t bits =
                name == "SchedBPctParentOwned" ? 0xFFF8DEADBEEF0001u : std::bit_cast<uint64_t>(39000.5 + i);
            b.DoubleBits(name, bits);
            e.Bits = Bytes(bits, 8);
            break;
        }
        case FieldKind::Int32: {
            const int32_t v = -7 * static_cast<int32_t>(i);
            b.Int32(name, v);
            e.Bits = Bytes(static_cast<uint32_t>(v), 4);
            break;
        }
        case FieldKind::Reserved:
            break;
        }
    }
    return expected;
}

std::string FieldBytes(const ReturnRecord& r, const FieldDef& def) {
    return std::string(reinterpret_cast<const char*>(&r.Bytes[def.Offset]), def.Size);
}

// A row whose first column (a name or description in every table) holds the text.
void AddRow(ScheduleTable& t, const char* text) {
    t.Append();
    t.SetText(0, text);
    t.Post();
}

class Convert : public ::testing::TestWithParam<int> {
protected:
    int Version() const { return GetParam(); }
    int Year() const { return 2003 + GetParam(); }

    TestEnv env;
    TempFolder dir;
    Franchise doc{2010, env.services};
    const Franchise fresh{2010, env.services};
};

} // namespace

TEST_P(Convert, CarriesEveryFieldFromItsPlaceAndNothingElse) {
    PriorFileBuilder b(Version());
    // Bytes outside the carried fields are filled so that reading any of them shows; where the
    // record's tax year would be, a prior year.
    b.FillRecord(0xEE).Raw(0, "\x02"
                              "09");
    b.Trailing(std::string(200, '\xCD'));
    const std::map<std::string, Expected> expected = WriteEveryCarriedField(b, fresh.Record);
    ASSERT_TRUE(ConvertPriorReturn(doc, Version(), dir.Write("prior.fti", b.Bytes())));

    for (const FieldDef& def : kRecordFields) {
        const auto it = expected.find(std::string(def.Name));
        if (it == expected.end()) {
            EXPECT_EQ(FieldBytes(doc.Record, def), FieldBytes(fresh.Record, def))
                << def.Name << " was written";
        } else if (it->second.IsText) {
            EXPECT_EQ(doc.Record.GetText(def), it->second.Text) << def.Name;
        } else {
            EXPECT_EQ(FieldBytes(doc.Record, def), it->second.Bits) << def.Name;
        }
    }
    EXPECT_EQ(doc.Record.Get(fld::TaxYear), "10");
    EXPECT_TRUE(doc.ReturnFileName.empty());
    EXPECT_EQ(doc.FileHeader, fresh.FileHeader);
    EXPECT_EQ(env.notices.Beeps, 0);
    EXPECT_TRUE(env.notices.Errors.empty());
}

TEST_P(Convert, TextsAreCutToTheCurrentCapacity) {
    PriorFileBuilder b(Version());
    const std::string name(45, 'N');
    b.TextWithLengthByte("CorpName", 255, name);
    b.TextWithLengthByte("IncOklahoma", 3, "N");
    b.TextWithLengthByte("SchedCAff4HowRelated", 51, std::string(50, 'h'));
    ConvertPriorReturn(doc, Version(), dir.Write("prior.fti", b.Bytes()));
    EXPECT_EQ(doc.Record.Get(fld::CorpName), name);
    EXPECT_EQ(doc.Record.Get(fld::IncOklahoma), "N");
    EXPECT_EQ(doc.Record.Get(fld::SchedCAff4HowRelated), std::string(50, 'h'));
}

TEST_P(Convert, ShortRecordLeavesTheRestAtTheReadersDefaults) {
    PriorFileBuilder b(Version());
    b.Text("FEIN", "73-1234567").Text("CorpName", "Early Co").Text("CityStateZip", "Tulsa");
    b.Text("F200FBeginMonth", "March").Int32("SchedBFiscalYear", 1999);
    b.DeclaredLength(100);
    ASSERT_TRUE(ConvertPriorReturn(doc, Version(), dir.Write("prior.fti", b.Bytes())));
    EXPECT_EQ(doc.Record.Get(fld::FEIN), "73-1234567");
    EXPECT_EQ(doc.Record.Get(fld::CorpName), "Early Co");
    EXPECT_EQ(doc.Record.Get(fld::CityStateZip), "");
    EXPECT_EQ(doc.Record.Get(fld::F200FBeginMonth), "January");
    EXPECT_EQ(doc.Record.Get(fld::SchedBFiscalYear), Year());
    EXPECT_TRUE(doc.Record.IsYes(fld::IncOklahoma));
}

TEST_P(Convert, MissingFileIsReportedAndGivesTheReadersDefaults) {
    const std::string path = dir.File("gone.fti");
    EXPECT_FALSE(ConvertPriorReturn(doc, Version(), path));
    EXPECT_EQ(env.notices.Beeps, 1);
    EXPECT_EQ(env.notices.Errors, std::vector<std::string>{"The File " + path + " does not exist!"});
    ReturnRecord expected = fresh.Record;
    expected.Set(fld::SchedBFiscalYear, Year());
    EXPECT_EQ(doc.Record, expected);
}

TEST_P(Convert, MalformedFileEndsWithItsMessageAndCopiesNothing) {
    struct Case {
        const char* what;
        std::function<std::string(PriorFileBuilder&)> bytes;
        std::string_view message;
    };
    const int version = Version();
    const size_t full = 48 + static_cast<size_t>(PriorFileBuilder::RecordLengthOf(version));
    const Case cases[] = {
        {"empty file", [](PriorFileBuilder&) { return std::string(); }, msg::CouldNotReadFile},
        {"header only", [](PriorFileBuilder& b) { return b.Bytes().substr(0, 44); }, msg::CouldNotReadFile},
        {"header and two bytes", [](PriorFileBuilder& b) { return b.Bytes().substr(0, 46); },
         msg::StreamReadError},
        {"signature in another case",
         [](PriorFileBuilder& b) {
             b.Header()[1] = 'O';
             return b.Bytes();
         },
         msg::UnrecognizedFileType},
        {"signature length byte 10",
         [](PriorFileBuilder& b) {
             b.Header()[0] = 10;
             return b.Bytes();
         },
         msg::UnrecognizedFileType},
        {"another edition's version",
         [version](PriorFileBuilder& b) { return b.FormatVersion(version == 6 ? 5 : version + 1).Bytes(); },
         msg::UnrecognizedFileType},
        {"current version", [](PriorFileBuilder& b) { return b.FormatVersion(7).Bytes(); },
         msg::UnrecognizedFileType},
        {"length equal to the file size",
         [full](PriorFileBuilder& b) { return b.DeclaredLength(static_cast<int32_t>(full)).Bytes(); },
         msg::CouldNotReadFile},
        {"negative length", [](PriorFileBuilder& b) { return b.DeclaredLength(-1).Bytes(); },
         msg::CouldNotReadFile},
        {"most negative length", [](PriorFileBuilder& b) { return b.DeclaredLength(INT32_MIN).Bytes(); },
         msg::CouldNotReadFile},
        {"longer than the edition's record",
         [version](PriorFileBuilder& b) {
             return b.DeclaredLength(PriorFileBuilder::RecordLengthOf(version) + 1)
                 .Trailing(std::string(64, 'x'))
                 .Bytes();
         },
         msg::CouldNotReadFile},
        {"record cut short", [full](PriorFileBuilder& b) { return b.Bytes().substr(0, full - 10); },
         msg::StreamReadError},
    };
    for (const Case& c : cases) {
        TestEnv local;
        Franchise target(2010, local.services);
        AddRow(local.dm.tblCurrDebt, "kept");
        PriorFileBuilder b(version);
        b.Text("CorpName", "Must Not Arrive");
        const std::string path = dir.Write("bad.fti", c.bytes(b));
        try {
            ConvertPriorReturn(target, version, path);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const Error& e) {
            EXPECT_EQ(std::string_view(e.what()), c.message) << c.what;
        }
        EXPECT_EQ(target.Record, fresh.Record) << c.what;
        EXPECT_EQ(local.dm.tblCurrDebt.RecordCount(), 1u) << c.what;
        EXPECT_EQ(local.notices.Beeps, 0) << c.what;
    }
}

TEST_P(Convert, OnlyThe2005EditionEmptiesTheCurrentDebtTable) {
    AddRow(env.dm.tblCurrDebt, "one");
    AddRow(env.dm.tblCurrDebt, "two");
    AddRow(env.dm.tblAffiliates, "affiliate");
    ConvertPriorReturn(doc, Version(), dir.Write("prior.fti", PriorFileBuilder(Version()).Bytes()));
    EXPECT_EQ(env.dm.tblCurrDebt.RecordCount(), Version() == 2 ? 0u : 2u);
    EXPECT_EQ(env.dm.tblAffiliates.RecordCount(), 1u);
    EXPECT_TRUE(env.dm.tblCurrDebt2005.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Editions, Convert, ::testing::Range(1, 7),
                         [](const auto& p) { return std::to_string(2003 + p.param); });

TEST(Convert, PackedScheduleDDatesBecomeShortDateText) {
    struct Case {
        const char* field;
        double date;
        const char* text;
    };
    const Case cases[] = {
        {"SchedDDebt1IssueDate", 0.0, ""},
        {"SchedDDebt1MaturityDate", 40178.0, "12/31/2009"},
        {"SchedDDebt2IssueDate", 40178.75, "12/31/2009"},
        {"SchedDDebt5MaturityDate", -0.0, ""},
        {"SchedDDebt9MaturityDate", EncodeDate(2010, 1, 5), "1/5/2010"},
    };
    TempFolder dir;
    for (int version : {1, 2}) {
        TestEnv env;
        Franchise doc(2010, env.services);
        PriorFileBuilder b(version);
        for (const Case& c : cases)
            b.Double(c.field, c.date);
        ConvertPriorReturn(doc, version, dir.Write("prior.fti", b.Bytes()));
        for (const Case& c : cases)
            EXPECT_EQ(doc.Record.GetText(*FindRecordField(c.field)), c.text) << version << " " << c.field;
    }
}

TEST(Convert, PackedScheduleDDatesFollowTheRegionalSettings) {
    struct Case {
        const char* pattern;
        char separator;
        const char* text;
    };
    const Case cases[] = {
        {"dd/mm/yyyy", '.', "31.12.2009"},
        {"yyyy/mm/dd", '-', "2009-12-31"},
        // cut to the 15 characters of the field
        {"'Date: 'yyyy/mm/dd", '/', "Date: 2009/12/3"},
    };
    TempFolder dir;
    for (const Case& c : cases) {
        TestEnv env;
        env.services.regional.ShortDateFormat = c.pattern;
        env.services.regional.DateSeparator = c.separator;
        Franchise doc(2010, env.services);
        ConvertPriorReturn(
            doc, 1,
            dir.Write("prior.fti", PriorFileBuilder(1).Double("SchedDDebt3IssueDate", 40178).Bytes()));
        EXPECT_EQ(doc.Record.Get(fld::SchedDDebt3IssueDate), c.text) << c.pattern;
    }
}

TEST(Convert, The2005EditionCopiesTheRowsOfTheDateTypedTable) {
    TestEnv env;
    TempFolder dir;
    Franchise doc(2010, env.services);
    AddRow(env.dm.tblCurrDebt, "replaced");
    ScheduleTable& old = env.dm.tblCurrDebt2005;
    old.Append();
    old.SetText("Name", "First Prairie Bank");
    old.SetFloat("IssueDate", 40178.0);
    old.SetMoney("OriginalAmount", Money::FromUnits(12345600));
    old.Post();
    old.Append();
    old.SetFloat("IssueDate", 0.0);
    old.SetFloat("MaturityDate", EncodeDate(2011, 6, 30));
    old.SetMoney("DueWI3Yrs", Money::FromUnits(-5000));
    old.Post();

    ConvertFrom2005(doc, dir.Write("prior.fti", PriorFileBuilder(2).Bytes()));

    const ScheduleTable& t = env.dm.tblCurrDebt;
    ASSERT_EQ(t.RecordCount(), 2u);
    EXPECT_EQ(t.RecNo(), 0u);
    EXPECT_FALSE(t.Eof());
    const int name = t.ColumnIndex("Name"), issue = t.ColumnIndex("IssueDate"),
              maturity = t.ColumnIndex("MaturityDate"), orig = t.ColumnIndex("OriginalAmount"),
              due = t.ColumnIndex("DueWI3Yrs");
    EXPECT_EQ(t.TextAt(0, static_cast<size_t>(name)), "First Prairie Bank");
    EXPECT_EQ(t.TextAt(0, static_cast<size_t>(issue)), "12/31/2009");
    EXPECT_TRUE(t.NullAt(0, static_cast<size_t>(maturity)));
    EXPECT_EQ(t.MoneyAt(0, static_cast<size_t>(orig)).Units(), 12345600);
    EXPECT_TRUE(t.NullAt(0, static_cast<size_t>(due)));
    EXPECT_TRUE(t.NullAt(1, static_cast<size_t>(name)));
    EXPECT_TRUE(t.NullAt(1, static_cast<size_t>(issue)));
    EXPECT_EQ(t.TextAt(1, static_cast<size_t>(maturity)), "6/30/2011");
    EXPECT_TRUE(t.NullAt(1, static_cast<size_t>(orig)));
    EXPECT_EQ(t.MoneyAt(1, static_cast<size_t>(due)).Units(), -5000);
    // The table it was copied from is left as it was.
    EXPECT_EQ(old.RecordCount(), 2u);
}

TEST(Convert, NamedConvertersReadTheirOwnEdition) {
    using Converter = bool (*)(Franchise&, const std::string&);
    const Converter converters[] = {ConvertFrom2004, ConvertFrom2005, ConvertFrom2006,
                                    ConvertFrom2007, ConvertFrom2008, ConvertFrom2009};
    TempFolder dir;
    for (int version = 1; version <= 6; ++version) {
        for (int other = 1; other <= 6; ++other) {
            TestEnv env;
            Franchise doc(2010, env.services);
            const std::string path =
                dir.Write("prior.fti", PriorFileBuilder(other).Text("CorpName", "Edition Co").Bytes());
            if (other == version) {
                EXPECT_TRUE(converters[version - 1](doc, path));
                EXPECT_EQ(doc.Record.Get(fld::CorpName), "Edition Co");
            } else {
                EXPECT_THROW(converters[version - 1](doc, path), Error) << version << " read " << other;
            }
        }
    }
}
