#include "DrawingBuilders.h"

namespace qv::forms::build {

// The balance sheet (template page 4).

PageDrawing BalanceSheetDrawing() {
    PageDrawing p;
    Small(p, 133, 65, "Federal Employer Identification Number", Align::Centre, 6);
    p.Rules.push_back({216, 18, 576, 18, 2.5});
    Bold(p, 222, 36, "BALANCE SHEET", Align::Left, 14);
    Small(p, 222, 50, "Form 200 \x95 Oklahoma Annual Franchise Tax Return", Align::Left, 7.5);
    p.Panels.push_back({520, 22, 56, 34, 0, 0});
    p.Labels.push_back({548, 48, Face::HelveticaBold, 20, Align::Centre, "2010", 1});
    p.Rules.push_back({216, 60, 576, 60, 1});

    // Column heads.
    p.Panels.push_back({36, 112, 540, 42, 0.5, 0.9});
    Bold(p, 107, 137, "ASSETS", Align::Centre, 9);
    Bold(p, 216, 128, "A", Align::Centre, 8);
    Small(p, 216, 138, "Total", Align::Centre, 6.5);
    Small(p, 216, 146, "everywhere", Align::Centre, 6.5);
    Bold(p, 304, 128, "B", Align::Centre, 8);
    Small(p, 304, 138, "Total", Align::Centre, 6.5);
    Small(p, 304, 146, "in Oklahoma", Align::Centre, 6.5);
    Bold(p, 431, 131, "LIABILITIES AND", Align::Centre, 8);
    Bold(p, 431, 141, "STOCKHOLDERS' EQUITY", Align::Centre, 8);
    Bold(p, 542, 128, "C", Align::Centre, 8);
    Small(p, 542, 138, "Total", Align::Centre, 6.5);
    Small(p, 542, 146, "everywhere", Align::Centre, 6.5);
    for (double x : {178.0, 254.0, 354.0, 506.0})
        p.Rules.push_back({x, 112, x, 750});
    p.Panels.push_back({36, 112, 540, 638, 0.75});
    Bold(p, 38, 650, "16", Align::Left, 7);
    Small(p, 53, 650, "Inter-company receivables:", Align::Left, 7);
    Bold(p, 360, 330, "24", Align::Left, 7);
    Small(p, 375, 330, "Inter-company payables:", Align::Left, 7);
    p.Panels.push_back({354, 645, 222, 13, 0.5, 0.85});
    Bold(p, 358, 654.5, "GROSS BUSINESS DONE", Align::Left, 7.5);
    Small(p, 36, 764,
          "Column A is the total everywhere, column B the total in Oklahoma. Line 15 carries to Form 200, "
          "lines 1 and 2, and line 23 to Form 200, line 3.",
          Align::Left, 6);
    return p;
}

} // namespace qv::forms::build
