#include "LayoutBuilders.h"

namespace qv::form {

namespace build {

// Form 200-F, the request to change the reporting period (template page 7).

PageLayout Form200FLayout() {
    PageLayout p;
    p.Page = page::Form200F;
    p.Name = "Form 200-F";
    auto& s = p.Stamps;
    Add(s, Face::Courier, 24, Align::Left,
        {MarkAt("election mark", 78, 362, When::Set, FieldId::F200FElect)});
    Add(s, Face::Courier, 12, Align::Left,
        {TextAt("name of corporation", FieldId::CorpName, 180, 407,
                LineBefore(178, 560, "Name of corporation")),
         TextAt("FEIN", FieldId::FEIN, 180, 450,
                LineBefore(178, 330, "Federal Employer Identification Number")),
         TextAt("beginning month", FieldId::F200FBeginMonth, 180, 520,
                Line(178, 330, "Month in which the income tax year begins")),
         TextAt("ending month", FieldId::F200FEndMonth, 430, 520,
                Line(428, 560, "Month in which the income tax year ends")),
         TextAt("name and title", FieldId::F200FNameTitle, 50, 586,
                Line(48, 300, "Name and title of the officer (please print)")),
         TextAt("phone", FieldId::F200FPhone, 170, 644, LineBefore(168, 330, "Phone number")),
         TextAt("date", FieldId::F200FDate, 370, 644, LineBefore(368, 470, "Date"))});
    return p;
}

} // namespace build

} // namespace qv::form
