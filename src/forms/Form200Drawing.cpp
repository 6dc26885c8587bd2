#include "DrawingBuilders.h"

namespace qv::forms::build {

// Form 200, the annual franchise tax return (template page 1).

PageDrawing Form200Drawing() {
    PageDrawing p;
    TitleBand(p, 36, "FORM 200", "OKLAHOMA ANNUAL FRANCHISE TAX RETURN",
              "Oklahoma Tax Commission \x95 Franchise Tax");
    p.Panels.push_back({396, 63, 180, 26, 0.5, 0.92});
    Small(p, 486, 73, "FOR OFFICE USE ONLY", Align::Centre, 6);

    // Items D to I.
    p.Panels.push_back({36, 93, 540, 37, 0.5});
    Bold(p, 40, 104, "Mark the boxes that apply with an X");
    Small(p, 40, 113, "D and E: state of incorporation", Align::Left, 6);
    Small(p, 40, 121, "F: name or address changed (complete K)", Align::Left, 6);
    const double itemTop = 101;
    struct Item {
        double X;
        std::string_view Line1, Line2;
    };
    for (const Item& it : {Item{220, "D. Oklahoma", "corporation"}, Item{254, "E. Foreign", "corporation"},
                           Item{286, "F. Name or", "addr. change"}, Item{321, "G. Estimated", "return"}}) {
        Small(p, it.X, itemTop, it.Line1, Align::Centre, 5.5);
        Small(p, it.X, itemTop + 6, it.Line2, Align::Centre, 5.5);
    }
    Small(p, 416, itemTop + 3, "H. Federal Employer Identification Number", Align::Centre, 6);
    Small(p, 534, itemTop + 3, "I. Tax year", Align::Centre, 6);
    p.Labels.push_back({518, 121, Face::HelveticaBold, 11, Align::Right, "20"});

    // Name block and item J.
    p.Panels.push_back({36, 140, 404, 97, 0.5});
    Bold(p, 40, 150, "Name and mailing address of the corporation");
    p.Panels.push_back({440, 140, 136, 116, 0.5});
    p.Paragraphs.push_back({444, 150, 128, Face::Helvetica, 6, 7,
                            "Round every amount on lines 1 to 11 to whole dollars; the cents are printed. "
                            "Attach the balance sheet and Schedules A, B, C and D."});
    Small(p, 508, 214, "J. Balance sheet date", Align::Centre, 6.5);
    for (auto [x, t] : {std::pair{471.0, "MONTH"}, std::pair{504.0, "DAY"}, std::pair{538.0, "YEAR"}})
        Small(p, x, 252, t, Align::Centre, 5);

    // Capital employed and apportionment.
    SectionBar(p, 36, 576, 259, "COMPUTATION OF CAPITAL EMPLOYED", "Round to whole dollars");
    Small(p, 155, 486, "Option 1", Align::Right, 5.5);
    Small(p, 199, 486, "Option 2", Align::Right, 5.5);
    Small(p, 226, 479, "Option 1: line 6 \xF7 line 8 (assets and business done)", Align::Left, 5.5);
    Small(p, 226, 486, "Option 2: line 1 \xF7 line 2 (assets only)", Align::Left, 5.5);

    // The tax.
    SectionBar(p, 36, 576, 539, "COMPUTATION OF FRANCHISE TAX");
    p.Paragraphs.push_back(
        {40, 561, 532, Face::Helvetica, 6.5, 8,
         "The franchise tax is $1.25 for each $1,000.00 or fraction thereof of capital employed in or "
         "apportioned to Oklahoma (line 4 or line 11). No tax is due when the tax computed is $250.00 or "
         "less; the maximum tax is $20,000.00. Interest accrues at 1.25% per month from the due date until "
         "paid. A return filed after the due date owes a penalty of 10% of the tax."});
    Small(p, 479, 610, "Dollars", Align::Centre, 6);
    Small(p, 539, 610, "Cents", Align::Centre, 6);

    // Block K and the signature.
    p.Panels.push_back({36, 616, 282, 106, 0.5});
    Bold(p, 40, 626, "K.  New name or mailing address");
    Small(p, 40, 635, "Complete only when box F is marked.", Align::Left, 6);
    p.Paragraphs.push_back(
        {36, 736, 282, Face::Helvetica, 5.5, 6.5,
         "Under penalties of perjury, I declare that I have examined this return, including the "
         "accompanying schedules and statements, and to the best of my knowledge and belief it is true, "
         "correct and complete."});
    p.Rules.push_back({36, 770, 196, 770});
    p.Rules.push_back({204, 770, 252, 770});
    p.Rules.push_back({260, 770, 318, 770});
    Small(p, 36, 777, "Signature of officer", Align::Left, 5.5);
    Small(p, 204, 777, "Date", Align::Left, 5.5);
    Small(p, 260, 777, "Title", Align::Left, 5.5);
    return p;
}

} // namespace qv::forms::build
