#include "DrawingBuilders.h"

namespace qv::forms::build {

// The minimum/maximum franchise tax return (template page 8) and its back (page 9).

PageDrawing MinMaxDrawing() {
    PageDrawing p;
    TitleBand(p, 36, "FORM 200", "MINIMUM/MAXIMUM FRANCHISE TAX RETURN",
              "Oklahoma Tax Commission \x95 Franchise Tax");

    // The instructions above the return.
    struct Section {
        std::string_view Title, Text;
    };
    const Section sections[] = {
        {"WHO MAY FILE THIS RETURN",
         "A corporation may file this short return instead of the full Form 200 when its franchise tax is "
         "the minimum or the maximum. A corporation whose capital employed in or apportioned to Oklahoma is "
         "$200,000 or less owes no franchise tax and enters 0.00 on line 1; a corporation whose return was "
         "due before July 1, 2006 enters the minimum tax of $10.00. A corporation whose tax computed at "
         "$1.25 for each $1,000 of capital is $20,000 or more enters the maximum tax of $20,000.00. Every "
         "other corporation files Form 200 with its balance sheet and schedules."},
        {"LINE INSTRUCTIONS",
         "Line 1: the tax, 0.00, 10.00 or 20,000.00 as described above.  Line 2: the registered agent fee "
         "of $100.00, if the corporation owes it.  Line 3: interest at 1.25% of line 1 for each month or "
         "part of a month the tax is paid after the due date.  Line 4: a penalty of 10% of line 1 when the "
         "return is filed late.  Line 5: the reinstatement fee of $15.00 for a corporation whose charter "
         "was suspended.  Line 6: any estimated payment made earlier for this period.  Line 7: lines 1 "
         "through 5 less line 6."},
        {"ITEMS A TO G",
         "Enter the corporation's Federal Employer Identification Number in item A and again in the boxes "
         "of item G, the reporting period in item B and the due date in item C. Mark box D for a "
         "corporation organized outside Oklahoma, box E when the corporation's name or mailing address has "
         "changed (and complete the corrected name and address on the back of this return), and box F when "
         "this is an estimated return."},
        {"WHEN AND HOW TO PAY",
         "The return and the total due on line 7 are due on the date shown in item C; interest and the "
         "penalty of lines 3 and 4 apply to a return filed or paid after that date. Make the remittance "
         "payable to the Oklahoma Tax Commission and write the corporation's FEIN on it. An officer of the "
         "corporation signs the return. Keep a copy of this return for your records."},
    };
    double top = 72;
    for (const Section& section : sections) {
        SectionBar(p, 36, 576, top, section.Title);
        p.Paragraphs.push_back({40, top + 24, 532, Face::TimesRoman, 10, 12.5, section.Text});
        top += 112;
    }
    p.Rules.push_back({36, 540, 576, 540, 0.75, 0, true});
    Small(p, 306, 536, "Detach here and return the lower part with your remittance", Align::Centre, 6);

    // The return proper.
    p.Panels.push_back({420, 550, 156, 28, 0.5, 0.92});
    Bold(p, 498, 561, "MINIMUM/MAXIMUM RETURN", Align::Centre, 7);
    Small(p, 498, 571, "Tax year 2010", Align::Centre, 6.5);
    Small(p, 36, 590, "D.  Foreign corporation", Align::Left, 6);
    Small(p, 36, 597, "E.  Change of name or address", Align::Left, 6);
    Small(p, 36, 604, "F.  Estimated return", Align::Left, 6);
    for (auto [x, t] : {std::pair{216.8, "D"}, std::pair{249.8, "E"}, std::pair{282.8, "F"}})
        Bold(p, x, 612, t, Align::Centre, 6);
    Small(p, 395, 611, "G.  Federal Employer Identification Number", Align::Centre, 5.5);
    p.Panels.push_back({36, 644, 266, 94, 0.5});
    Bold(p, 40, 654, "Name and mailing address of the corporation");
    Small(p, 489, 612 - 7, "Dollars", Align::Centre, 5.5);
    Small(p, 553, 612 - 7, "Cents", Align::Centre, 5.5);
    p.Rules.push_back({36, 770, 190, 770});
    p.Rules.push_back({198, 770, 300, 770});
    Small(p, 36, 777, "Signature of officer", Align::Left, 5.5);
    Small(p, 198, 777, "Date", Align::Left, 5.5);
    return p;
}

PageDrawing MinMaxBackDrawing() {
    PageDrawing p;
    p.Rules.push_back({36, 18, 576, 18, 2.5});
    Bold(p, 36, 36, "FORM 200 \x95 MINIMUM/MAXIMUM FRANCHISE TAX RETURN", Align::Left, 11);
    Small(p, 576, 36, "2010 \x95 Back of the return", Align::Right, 7);
    p.Rules.push_back({36, 44, 576, 44, 1});
    SectionBar(p, 36, 576, 60, "BEFORE YOU MAIL THIS RETURN");
    p.Paragraphs.push_back(
        {40, 86, 532, Face::TimesRoman, 10, 12.5,
         "Make sure that the Federal Employer Identification Number is entered in items A and G, that the "
         "reporting period and the due date are complete, and that an officer of the corporation has signed "
         "the return. Enclose the remittance for the total due on line 7; do not send cash. A return that "
         "shows no amount due must still be filed by the due date."});
    SectionBar(p, 36, 576, 170, "CHANGE OF NAME OR ADDRESS");
    p.Paragraphs.push_back(
        {40, 196, 532, Face::TimesRoman, 10, 12.5,
         "If the name or the mailing address of the corporation has changed, mark box E on the front of "
         "this return and enter the corrected name and address below exactly as they should appear on "
         "future correspondence. A change of the registered agent is not made with this return."});

    p.Panels.push_back({50, 530, 432, 124, 1});
    p.Panels.push_back({50, 530, 432, 16, 0, 0.85});
    Bold(p, 56, 541.5, "CORRECTED NAME AND ADDRESS", Align::Left, 8);
    Small(p, 476, 541.5, "Complete only when box E is marked", Align::Right, 6);
    return p;
}

} // namespace qv::forms::build
