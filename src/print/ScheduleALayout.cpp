#include "LayoutBuilders.h"

namespace qv::form {

namespace {

// The employer identification number boxes; the form prints the hyphen between them.
constexpr int16_t kFeinScheduleA[] = {170, 184, 200, 216, 231, 245, 257, 272, 288};
constexpr Preprint kFeinHyphenScheduleA[] = {{192, "-"}};

} // namespace

namespace build {

// Schedule A, the corporate officers (template page 2).

PageLayout ScheduleALayout() {
    PageLayout p;
    p.Page = page::ScheduleA;
    p.Name = "Schedule A";
    auto& s = p.Stamps;
    Add(s, Face::TimesRoman, 12, Align::Left,
        {TextAt("name", FieldId::CorpName, 82, 110, Line(80, 440, "Name of corporation")),
         TextAt("address", FieldId::Address, 82, 131, Line(80, 440, "Mailing address")),
         TextAt("city, state, ZIP", FieldId::CityStateZip, 82, 157,
                Line(80, 440, "City, state and ZIP code"))});
    Add(s, Face::TimesRoman, 16, Align::Left,
        {BoxRow("FEIN", Value::Chars, FieldId::FEIN, 240, {}, Prep::None, kPosFein, kFeinScheduleA,
                kFeinHyphenScheduleA)});
    Add(s, Face::TimesRoman, 12, Align::Left,
        {TextAt("officers effective as of", FieldId::SchedADate, 338, 292,
                LineBefore(336, 440, "The officers listed below held office on"), Value::Date)});

    struct Officer {
        std::string_view Title;
        std::string_view Name, Ssn, Address, Phone;
        FieldId NameF, SsnF, AddressF, PhoneF;
        int Row1, Row2;
        int Bottom1; // the first row's cell reaches down to the second row's cell
        int Bottom2;
    };
    static constexpr Officer kOfficers[] = {
        {"PRES.", "President: name", "President: SSN", "President: home address", "President: home phone",
         FieldId::SchedAPresName, FieldId::SchedAPresSSN, FieldId::SchedAPresAddress,
         FieldId::SchedAPresPhone, 405, 434, 8, 5},
        {"V. PRES.", "Vice President: name", "Vice President: SSN", "Vice President: home address",
         "Vice President: home phone", FieldId::SchedAVPName, FieldId::SchedAVPSSN, FieldId::SchedAVPAddress,
         FieldId::SchedAVPPhone, 463, 494, 10, 3},
        {"SEC.", "Secretary: name", "Secretary: SSN", "Secretary: home address", "Secretary: home phone",
         FieldId::SchedASecName, FieldId::SchedASecSSN, FieldId::SchedASecAddress, FieldId::SchedASecPhone,
         521, 551, 9, 6},
        {"TREAS.", "Treasurer: name", "Treasurer: SSN", "Treasurer: home address", "Treasurer: home phone",
         FieldId::SchedATreasName, FieldId::SchedATreasSSN, FieldId::SchedATreasAddress,
         FieldId::SchedATreasPhone, 581, 610, 8, 5},
    };
    for (const Officer& o : kOfficers) {
        const int top2 = o.Row1 + o.Bottom1 - o.Row2;
        Add(s, Face::TimesRoman, 12, Align::Left,
            {TextAt(o.Name, o.NameF, 74, o.Row1, Cell(70, 350, "Name", -21, o.Bottom1)),
             TextAt(o.Ssn, o.SsnF, 354, o.Row1, Cell(350, 576, "Social Security Number", -21, o.Bottom1)),
             TextAt(o.Address, o.AddressF, 74, o.Row2,
                    Cell(70, 350, "Home address (street, city, state and ZIP code)", top2, o.Bottom2)),
             TextAt(o.Phone, o.PhoneF, 354, o.Row2, Cell(350, 576, "Home phone number", top2, o.Bottom2))});
    }
    return p;
}

} // namespace build

} // namespace qv::form
