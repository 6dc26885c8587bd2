#include "ByteStream.h"
#include "Error.h"
#include "StreamBuilder.h"
#include "TableStreamFormat.h"
#include "uDataMod.h"

#include <gtest/gtest.h>

using namespace qv;

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> b) {
    std::vector<uint8_t> v;
    for (int x : b)
        v.push_back(static_cast<uint8_t>(x));
    return v;
}

void Append(std::vector<uint8_t>& v, std::string_view s) {
    v.insert(v.end(), s.begin(), s.end());
}

std::vector<uint8_t> Save(const ScheduleTable& table) {
    std::string out;
    ByteWriter w(out);
    Tdm::SaveTableStream(table, w);
    w.Flush();
    return std::vector<uint8_t>(out.begin(), out.end());
}

void Load(ScheduleTable& table, const std::vector<uint8_t>& bytes) {
    ByteReader r(bytes);
    Tdm::LoadTableStream(table, r);
}

std::string LoadError(ScheduleTable& table, const std::vector<uint8_t>& bytes) {
    try {
        Load(table, bytes);
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

// The stream of the empty other-current-assets table, byte for byte.
std::vector<uint8_t> EmptyOtherCurrentAssets() {
    std::vector<uint8_t> v = Bytes({});
    Append(v, "TPF0");
    for (int b : {0x03, 0xFB, 0x00, 0x01})
        v.push_back(static_cast<uint8_t>(b));
    auto column = [&](std::string_view name, std::string_view type, int size, int width) {
        v.push_back(0x06);
        v.push_back(static_cast<uint8_t>(name.size()));
        Append(v, name);
        v.push_back(0x06);
        v.push_back(static_cast<uint8_t>(type.size()));
        Append(v, type);
        for (int b : {0x02, size})
            v.push_back(static_cast<uint8_t>(b));
        v.push_back(0x06);
        v.push_back(static_cast<uint8_t>(name.size()));
        Append(v, name);
        for (int b : {0x06, 0x00, 0x02, width, 0x08, 0x08, 0x06, 0x04})
            v.push_back(static_cast<uint8_t>(b));
        Append(v, "Data");
        for (int b : {0x06, 0x00})
            v.push_back(static_cast<uint8_t>(b));
    };
    column("Description", "String", 0x1E, 0x1E);
    column("TotalEverywhere", "Currency", 0x00, 0x0A);
    column("TotalOklahoma", "Currency", 0x00, 0x0A);
    for (int b : {0x00, 0x01, 0x00, 0x01, 0x02, 0x03, 0x02, 0x01, 0x02, 0x07, 0x02, 0x07, 0x00, 0x01, 0x00})
        v.push_back(static_cast<uint8_t>(b));
    return v;
}

} // namespace

TEST(TableStream, EmptyTablesAreWrittenExactly) {
    Tdm dm;
    EXPECT_EQ(Save(dm.tblOthCurrAssets), EmptyOtherCurrentAssets());
    EXPECT_EQ(Save(dm.tblOthCurrAssets).size(), 189u);
    EXPECT_EQ(Save(dm.tblOthInvest).size(), 189u);
    EXPECT_EQ(Save(dm.tblAffiliates).size(), 158u);
    EXPECT_EQ(Save(dm.tblSubsidiaries).size(), 205u);
    EXPECT_EQ(Save(dm.tblCurrDebt).size(), 267u);
}

TEST(TableStream, RowBytesAndChangeStatus) {
    Tdm dm;
    ScheduleTable& t = dm.tblOthCurrAssets;
    t.Append();
    t.SetText("Description", "Prepaid");
    t.SetMoney("TotalEverywhere", Money::FromDollars(1500));
    t.Post();
    std::vector<uint8_t> stream = Save(t);
    const std::vector<uint8_t> empty = EmptyOtherCurrentAssets();
    // Everything up to the rows list is as for the empty table.
    ASSERT_EQ(std::vector<uint8_t>(stream.begin(), stream.begin() + 188),
              std::vector<uint8_t>(empty.begin(), empty.begin() + 188));
    const std::vector<uint8_t> row =
        Bytes({0x01, 0x02, 0x00, 0x08, 0x06, 0x07, 'P',  'r',  'e',  'p',  'a',  'i',  'd', 0x08,
               0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0xBB, 0x09, 0x40, 0x09, 0x00});
    EXPECT_EQ(std::vector<uint8_t>(stream.begin() + 188, stream.end() - 1), row);
    EXPECT_EQ(stream.back(), 0x00);

    t.First();
    t.Edit();
    t.SetText("Description", "Prepaid");
    t.Post();
    stream = Save(t);
    EXPECT_EQ(stream[189], 0x02);
    EXPECT_EQ(stream[190], 0x01);
    EXPECT_EQ(t.RowStatus(), 1);
}

TEST(TableStream, CurrencyIsWrittenAsTheExtendedDollarAmount) {
    Tdm dm;
    ScheduleTable& t = dm.tblOthInvest;
    t.Append();
    t.SetMoney("TotalOklahoma", *Money::Parse("1234.56"));
    t.Post();
    std::vector<uint8_t> stream = Save(t);
    const std::vector<uint8_t> value =
        Bytes({0x05, 0xEC, 0x51, 0xB8, 0x1E, 0x85, 0xEB, 0x51, 0x9A, 0x09, 0x40});
    auto it = std::search(stream.begin(), stream.end(), value.begin(), value.end());
    EXPECT_NE(it, stream.end());

    ScheduleTable back("copy");
    Load(back, stream);
    back.First();
    EXPECT_EQ(back.AsMoney("TotalOklahoma").Units(), 12345600);
    EXPECT_TRUE(back.IsNull("Description"));
    EXPECT_TRUE(back.IsNull("TotalEverywhere"));
}

TEST(TableStream, TextsOutsideAsciiTravelAsUtf8) {
    Tdm dm;
    ScheduleTable& t = dm.tblAffiliates;
    const std::string text = "Caf\xE9 \x80 Ltd"; // é and the euro sign in Windows-1252
    t.Append();
    t.SetText("Name", text);
    t.SetText("HowRelated", std::string(40, 'a'));
    t.Post();
    std::vector<uint8_t> stream = Save(t);
    std::vector<uint8_t> utf8 = Bytes({20, 13, 0, 0, 0});
    Append(utf8, "Caf\xC3\xA9 \xE2\x82\xAC Ltd");
    EXPECT_NE(std::search(stream.begin(), stream.end(), utf8.begin(), utf8.end()), stream.end());

    ScheduleTable back("copy");
    Load(back, stream);
    EXPECT_EQ(back.AsText("Name"), text);
    EXPECT_EQ(back.AsText("HowRelated"), std::string(40, 'a'));
    EXPECT_EQ(back.Columns(), t.Columns());
}

TEST(TableStream, StreamsBackToBackLoadOneAfterTheOther) {
    Tdm dm;
    dm.tblCurrDebt.Append();
    dm.tblCurrDebt.SetText("Name", "First Bank");
    dm.tblCurrDebt.SetText("IssueDate", "01/02/2009");
    dm.tblCurrDebt.SetMoney("DueWI3Yrs", Money::FromDollars(250));
    dm.tblCurrDebt.Post();
    dm.tblSubsidiaries.Append();
    dm.tblSubsidiaries.SetText("Name", "Sub One");
    dm.tblSubsidiaries.SetFloat("PctOwned", 62.5);
    dm.tblSubsidiaries.Post();

    std::string out;
    ByteWriter w(out);
    Tdm::SaveTableStream(dm.tblCurrDebt, w);
    Tdm::SaveTableStream(dm.tblSubsidiaries, w);
    w.Flush();
    std::vector<uint8_t> bytes(out.begin(), out.end());

    Tdm other;
    ByteReader r(bytes);
    Tdm::LoadTableStream(other.tblCurrDebt, r);
    EXPECT_EQ(r.Position(), Save(dm.tblCurrDebt).size());
    Tdm::LoadTableStream(other.tblSubsidiaries, r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(other.tblCurrDebt.AsText("Name"), "First Bank");
    EXPECT_EQ(other.tblCurrDebt.AsText("IssueDate"), "01/02/2009");
    EXPECT_TRUE(other.tblCurrDebt.IsNull("MaturityDate"));
    EXPECT_EQ(other.tblCurrDebt.AsMoney("DueWI3Yrs"), Money::FromDollars(250));
    EXPECT_EQ(other.tblSubsidiaries.AsFloat("PctOwned"), 62.5);
    // Display formats are not part of a stream.
    EXPECT_EQ(other.tblSubsidiaries.Columns()[2].DisplayFormat, "");
    EXPECT_EQ(Save(other.tblCurrDebt), Save(dm.tblCurrDebt));
}

// Streams of older versions lack items: no version number (100), no index list (below 200), no
// row tag and status (229 and below), no null flags (below 249), no kind (below 250), no default
// expression (250 and below).
TEST(TableStream, OlderVersionsLoad) {
    for (int version : {100, 200, 229, 230, 249, 250, 251}) {
        StreamBuilder s;
        s.Signature();
        if (version != 100)
            s.Int16(version);
        s.List()
            .Column(version, "Name", "String", 30)
            .Column(version, "Amount", "Currency", 0)
            .Column(version, "When", "Date", 0)
            .End();
        if (version >= 200)
            s.List().End();
        s.List().Int8(3).Int8(1).Int8(7).Int8(9).End();
        s.List();
        for (int row = 0; row < 2; ++row) {
            if (version > 229)
                s.List().Int8(row == 0 ? 2 : 3);
            if (version >= 249)
                s.Bool(false);
            s.Str(row == 0 ? "alpha" : "beta");
            if (version >= 249)
                s.Bool(false);
            s.Number(row == 0 ? 12.5 : -3);
            if (version >= 249)
                s.Bool(false);
            s.Number(row == 0 ? 40178.0 : 0.0);
            if (version > 229)
                s.End();
        }
        s.End();
        ScheduleTable t("t");
        ASSERT_NO_THROW(Load(t, s.bytes)) << version;
        ASSERT_EQ(t.RecordCount(), 2u) << version;
        EXPECT_EQ(t.Columns()[1].Type, ColumnType::Currency);
        EXPECT_EQ(t.TextAt(1, 0), "beta") << version;
        EXPECT_EQ(t.MoneyAt(0, 1).Units(), 125000) << version;
        EXPECT_EQ(t.MoneyAt(1, 1).Units(), -30000) << version;
        EXPECT_EQ(t.FloatAt(0, 2), 40178.0);
        EXPECT_TRUE(t.NullAt(1, 2)) << "a date of 0 is no date";
        EXPECT_EQ(t.StatusAt(0), version > 229 ? 2 : 0);
        EXPECT_EQ(t.StatusAt(1), version > 229 ? 3 : 0);
    }
}

TEST(TableStream, OtherTagsAreAccepted) {
    StreamBuilder s;
    s.Signature().Int32(251);
    s.List()
        .Str("Name")
        .LongStr("String")
        .Int32(30)
        .Str("Name")
        .Str("")
        .Int16(30)
        .Bool(false)
        .Bool(false)
        .Str("Data")
        .Str("")
        .Str("Memo")
        .Str("String")
        .Int8(50)
        .Str("Memo")
        .Str("")
        .Int8(50)
        .Raw({7})
        .Raw({0x42})
        .Str("Data")
        .Str("")
        .Str("Amount")
        .Str("Currency")
        .Int8(0)
        .Str("Amount")
        .Str("")
        .Int8(10)
        .Bool(false)
        .Bool(false)
        .Str("Data")
        .Str("")
        .End();
    s.List().End();
    s.List().Int8(3).Int8(1).Int8(1).Int8(7).End();
    s.List();
    s.List()
        .Int32(1)
        .Bool(false)
        .WideStr(u"Gr\u00FC\u00DF \u20AC \u4E2D")
        .Raw({0x07})
        .LongStr("plain")
        .Bool(false)
        .Int16(-20)
        .Int8(5)
        .End(); // 0x07 counts as false; Int8(5) is a row version
    s.List().Int8(0).Bool(false).Utf8Str("Caf\xC3\xA9").Bool(true).Bool(false).Number(0.5).End();
    s.End();
    ScheduleTable t("t");
    ASSERT_NO_THROW(Load(t, s.bytes));
    ASSERT_EQ(t.RecordCount(), 2u);
    EXPECT_EQ(t.TextAt(0, 0), "Gr\xFC\xDF \x80 ?"); // no CJK in the code page
    EXPECT_EQ(t.TextAt(0, 1), "plain");
    EXPECT_EQ(t.MoneyAt(0, 2).Units(), -200000);
    EXPECT_EQ(t.StatusAt(0), 1);
    EXPECT_EQ(t.TextAt(1, 0), "Caf\xE9");
    EXPECT_TRUE(t.NullAt(1, 1));
    EXPECT_EQ(t.MoneyAt(1, 2).Units(), 5000);
}

TEST(TableStream, EveryFailureHasItsMessage) {
    auto header = [](StreamBuilder& s) {
        s.Signature().Int16(251).List().Column(251, "Name", "String", 30).End().List().End();
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* message;
    };
    std::vector<Case> cases;
    {
        StreamBuilder s;
        s.Chars("TPF1").Int16(251);
        cases.push_back({"signature", s.bytes, "Invalid stream format"});
    }
    {
        StreamBuilder s;
        s.Chars("TP");
        cases.push_back({"short signature", s.bytes, "Stream read error"});
    }
    {
        StreamBuilder s;
        s.Signature().Int16(251).List().Column(251, "Blob", "Graphic", 0).End().List().End();
        cases.push_back({"field type", s.bytes, "Unknown field type (Graphic)"});
    }
    {
        StreamBuilder s;
        s.Signature().Int16(251).List().End().List().End().List().Int8(0).End().List().End();
        cases.push_back({"no columns", s.bytes, "Couldnt determine field count for load."});
    }
    {
        StreamBuilder s;
        s.Signature().Str("x");
        cases.push_back({"version not an integer", s.bytes, "Invalid property value"});
    }
    {
        StreamBuilder s;
        s.Signature().Int16(251).List().Int8(4);
        cases.push_back({"name not a text", s.bytes, "Invalid property value"});
    }
    {
        StreamBuilder s;
        header(s);
        s.Str("not a list");
        cases.push_back({"header not a list", s.bytes, "Invalid property value"});
    }
    {
        StreamBuilder s;
        header(s);
        s.List().Int8(1).Int8(1).End().List().List().Int8(0).Bool(false).Raw({12}).Len(0x7FFFFFFF);
        cases.push_back({"announced text longer than the stream", s.bytes, "Stream read error"});
    }
    {
        StreamBuilder s;
        header(s);
        s.List().Int8(1).Int8(1).End().List().List().Int8(0).Bool(false).Raw({18}).Len(0x40000000);
        cases.push_back({"announced wide text longer than the stream", s.bytes, "Stream read error"});
    }
    {
        StreamBuilder s;
        header(s);
        s.List().Int8(1).Int8(1).End().List().List().Int8(0).Bool(false).Raw({12}).Len(0xFFFFFFF0);
        cases.push_back({"negative text length", s.bytes, "Stream read error"});
    }
    {
        StreamBuilder s;
        header(s);
        s.List().Int32(0x7FFFFFFF);
        cases.push_back({"header count larger than the stream", s.bytes, "Stream read error"});
    }
    {
        StreamBuilder s;
        s.Signature().Int16(251).List().Column(251, "Amount", "Currency", 0).End().List().End();
        s.List().Int8(1).Int8(7).End().List().List().Int8(0).Bool(false).Str("12");
        cases.push_back({"amount not a number", s.bytes, "Invalid property value"});
    }
    {
        StreamBuilder s;
        header(s);
        s.List().Int8(1).Int8(1).End().List().List().Int8(0).Bool(false).Str("ab");
        cases.push_back({"truncated rows", s.bytes, "Stream read error"});
    }
    for (const Case& c : cases) {
        ScheduleTable t("t");
        EXPECT_EQ(LoadError(t, c.bytes), c.message) << c.what;
    }
}

TEST(TableStream, WrongSignatureReadsNothingFurther) {
    Tdm dm;
    dm.tblAffiliates.Append();
    dm.tblAffiliates.SetText("Name", "kept");
    dm.tblAffiliates.Post();
    StreamBuilder s;
    s.Chars("XPF0").Int16(251);
    ByteReader r(s.bytes);
    EXPECT_THROW(Tdm::LoadTableStream(dm.tblAffiliates, r), Error);
    EXPECT_EQ(r.Position(), 4u);
    EXPECT_EQ(dm.tblAffiliates.RecordCount(), 1u);
}

TEST(TableStream, EmptyDefinitionListKeepsTheColumnsAndLoadsRows) {
    Tdm dm;
    StreamBuilder s;
    s.Signature().Int16(251).List().End().List().End();
    s.List().Int8(3).Int8(1).Int8(7).Int8(7).End();
    s.List().List().Int8(0).Bool(false).Str("Cash in transit").Bool(true).Bool(false).Number(10).End().End();
    dm.tblOthCurrAssets.Append();
    dm.tblOthCurrAssets.SetText("Description", "old row");
    dm.tblOthCurrAssets.Post();
    Load(dm.tblOthCurrAssets, s.bytes);
    EXPECT_EQ(dm.tblOthCurrAssets.Columns().size(), 3u);
    ASSERT_EQ(dm.tblOthCurrAssets.RecordCount(), 1u);
    EXPECT_EQ(dm.tblOthCurrAssets.AsText("Description"), "Cash in transit");
    EXPECT_EQ(dm.tblOthCurrAssets.AsMoney("TotalOklahoma"), Money::FromDollars(10));
}

TEST(TableStream, AFailedLoadKeepsTheColumnsAndTheRowsReadSoFar) {
    Tdm dm;
    for (const char* name : {"one", "two", "three"}) {
        dm.tblAffiliates.Append();
        dm.tblAffiliates.SetText("Name", name);
        dm.tblAffiliates.Post();
    }
    std::vector<uint8_t> stream = Save(dm.tblAffiliates);
    stream.resize(stream.size() - 8); // cut into the last row
    ScheduleTable t("t");
    EXPECT_EQ(LoadError(t, stream), "Stream read error");
    EXPECT_EQ(t.Columns().size(), 3u);
    ASSERT_EQ(t.RecordCount(), 2u);
    EXPECT_EQ(t.TextAt(1, 0), "two");
}
