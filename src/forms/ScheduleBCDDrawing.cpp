#include "DrawingBuilders.h"

namespace qv::forms::build {

// Schedules B, C and D (template page 3).

PageDrawing ScheduleBCDDrawing() {
    PageDrawing p;
    // The head.
    Small(p, 133, 64, "Federal Employer Identification Number", Align::Centre, 6);
    p.Rules.push_back({216, 18, 576, 18, 2.5});
    Bold(p, 222, 36, "SCHEDULES B, C AND D", Align::Left, 14);
    Small(p, 222, 50, "Form 200 \x95 Oklahoma Annual Franchise Tax Return", Align::Left, 7.5);
    p.Panels.push_back({520, 22, 56, 34, 0, 0});
    p.Labels.push_back({548, 48, Face::HelveticaBold, 20, Align::Centre, "2010", 1});
    p.Rules.push_back({216, 60, 576, 60, 1});

    // Schedule B.
    SectionBar(p, 33, 576, 74, "SCHEDULE B \x97 GENERAL INFORMATION");
    p.Paragraphs.push_back({38, 100, 534, Face::Helvetica, 7, 9,
                            "Schedules B, C and D are part of Form 200 and are filed with it. Answer every "
                            "question of Schedule B. A corporation that is a subsidiary of another "
                            "corporation names its parent in question 3 and the percentage of its stock the "
                            "parent owns in question 4. Book value is the number of shares times the par "
                            "value of each share. Schedule C lists the corporation's subsidiaries and "
                            "affiliates, Schedule D its debts payable within three years of their issuance; "
                            "list further rows on an attached schedule of the same columns."});
    Small(p, 38, 269, "6.  Capital stock", Align::Left, 6.5);
    for (auto [x, t] : {std::pair{107.0, "Number of shares"}, std::pair{286.0, "Class of stock"},
                        std::pair{431.0, "Par value of each share"}, std::pair{521.0, "Book value"}})
        Bold(p, x, 277, t, Align::Centre, 6);
    p.Rules.push_back({38, 279.5, 576, 279.5});
    // The fiscal year's row runs across the table.
    for (double x : {176.0, 396.0, 466.0}) {
        p.Rules.push_back({x, 272, x, 307});
        p.Rules.push_back({x, 321, x, 348});
    }

    // Schedule C.
    SectionBar(p, 33, 576, 372, "SCHEDULE C \x97 SUBSIDIARIES AND AFFILIATES");
    Bold(p, 35, 410, "Subsidiaries", Align::Left, 7);
    Small(p, 90, 410,
          "corporations of which the taxpayer owns 50% or more of the voting stock; attach a schedule for "
          "more than five",
          Align::Left, 6);
    for (auto [x, t] : {std::pair{114.0, "Name of subsidiary"}, std::pair{243.0, "FEIN"},
                        std::pair{338.0, "Percentage owned"}, std::pair{481.0, "Financial investment"}})
        Bold(p, x, 430, t, Align::Centre, 6.5);
    p.Rules.push_back({33, 433, 576, 433});
    for (double x : {196.0, 290.0, 386.0})
        p.Rules.push_back({x, 420, x, 495});
    Bold(p, 35, 510, "Affiliates", Align::Left, 7);
    Small(p, 80, 510,
          "corporations under common ownership or control with the taxpayer; attach a schedule for more "
          "than four",
          Align::Left, 6);
    for (auto [x, t] :
         {std::pair{114.0, "Name of affiliate"}, std::pair{253.0, "FEIN"}, std::pair{443.0, "How related"}})
        Bold(p, x, 527, t, Align::Centre, 6.5);
    p.Rules.push_back({33, 530, 576, 530});
    for (double x : {196.0, 310.0})
        p.Rules.push_back({x, 517, x, 579});

    // Schedule D.
    SectionBar(
        p, 33, 576, 592, "SCHEDULE D \x97 CURRENT DEBT",
        "Indebtedness payable within three years of its issuance; attach a schedule for more than nine");
    struct Head {
        double X;
        std::string_view L1, L2;
    };
    for (const Head& h : {Head{99.5, "Name of lender", {}}, Head{221, "Date of issuance", {}},
                          Head{327, "Maturity date", {}}, Head{417, "Amount of instrument", "at issuance"},
                          Head{516, "Balance payable within", "three years of issuance"}}) {
        Bold(p, h.X, h.L2.empty() ? 644 : 637, h.L1, Align::Centre, 6.5);
        if (!h.L2.empty())
            Bold(p, h.X, 644, h.L2, Align::Centre, 6.5);
    }
    p.Rules.push_back({33, 648, 576, 648});
    for (double x : {166.0, 276.0, 378.0, 456.0})
        p.Rules.push_back({x, 626, x, 758});
    Small(p, 576, 772, "The amounts payable within three years are carried to the balance sheet, line 21.",
          Align::Right, 6);
    return p;
}

} // namespace qv::forms::build
