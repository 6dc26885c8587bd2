#include "DrawingBuilders.h"

namespace qv::forms::build {

// Form 200-F, the request to change the reporting period (template page 7).

PageDrawing Form200FDrawing() {
    PageDrawing p;
    TitleBand(p, 36, "FORM 200-F", "REQUEST TO CHANGE FRANCHISE TAX FILING PERIOD",
              "Oklahoma Tax Commission \x95 Franchise Tax");
    SectionBar(p, 36, 576, 76, "PURPOSE OF THIS FORM");
    p.Paragraphs.push_back(
        {40, 102, 532, Face::TimesRoman, 10.5, 13,
         "A corporation may elect to file its annual franchise tax return for the same period as its "
         "Oklahoma corporate income tax return instead of the regular franchise tax reporting period. Once "
         "made, the election remains in effect for every later year until the corporation asks in writing "
         "to return to the regular period."});
    SectionBar(p, 36, 576, 176, "HOW TO MAKE THE ELECTION");
    p.Paragraphs.push_back(
        {40, 202, 532, Face::TimesRoman, 10.5, 13,
         "Mark the box below, enter the corporation's name and Federal Employer Identification Number and "
         "the months in which its income tax year begins and ends, and have an officer sign and date the "
         "form. File it with the franchise tax return for the current period. The first return under the "
         "new period is due with the corporation's income tax return for the tax year that begins after the "
         "election."});
    SectionBar(p, 36, 576, 300, "ELECTION");
    p.Paragraphs.push_back(
        {102, 352, 470, Face::TimesRoman, 10.5, 13,
         "The corporation named below elects to change its franchise tax filing period so that it coincides "
         "with the filing period of its corporate income tax return."});
    p.Panels.push_back({36, 322, 540, 350, 0.75});
    p.Rules.push_back({320, 586, 560, 586});
    Small(p, 320, 572, "Signature of officer", Align::Left, 6.5);
    Small(p, 306, 700,
          "Mail this form with the franchise tax return to the Oklahoma Tax Commission, Franchise Tax, "
          "Oklahoma City, Oklahoma.",
          Align::Centre, 7);
    return p;
}

} // namespace qv::forms::build
