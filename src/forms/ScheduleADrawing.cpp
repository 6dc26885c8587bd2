#include "DrawingBuilders.h"

namespace qv::forms::build {

// Schedule A, the corporate officers (template page 2).

PageDrawing ScheduleADrawing() {
    PageDrawing p;
    // Each officer's title beside the two rows of cells the layout gives the officer.
    struct Officer {
        std::string_view Title;
        FieldId Name, Address;
    };
    static constexpr Officer kOfficers[] = {
        {"PRES.", FieldId::SchedAPresName, FieldId::SchedAPresAddress},
        {"V. PRES.", FieldId::SchedAVPName, FieldId::SchedAVPAddress},
        {"SEC.", FieldId::SchedASecName, FieldId::SchedASecAddress},
        {"TREAS.", FieldId::SchedATreasName, FieldId::SchedATreasAddress},
    };
    for (const Officer& o : kOfficers) {
        const double top = FieldRect(form::page::ScheduleA, o.Name)->Top;
        const double bottom = FieldRect(form::page::ScheduleA, o.Address)->Bottom;
        p.Panels.push_back({36, top, 34, bottom - top, 0.5, 0.85});
        Bold(p, 53, (top + bottom) / 2 + 2.5, o.Title, Align::Centre, 6.5);
    }

    TitleBand(p, 36, "SCHEDULE A", "CORPORATE OFFICERS",
              "Form 200 \x95 Oklahoma Annual Franchise Tax Return");
    p.Panels.push_back({36, 72, 408, 92, 0.5});
    Bold(p, 40, 82, "Corporation");
    p.Panels.push_back({450, 72, 126, 92, 0.5, 0.92});
    p.Paragraphs.push_back(
        {456, 84, 114, Face::Helvetica, 6.5, 8,
         "Schedule A is part of Form 200. Attach it to the return; a return without the list of officers is "
         "incomplete."});
    p.Panels.push_back({36, 214, 540, 36, 0.5});
    Bold(p, 40, 227, "Federal Employer");
    Bold(p, 40, 236, "Identification Number");
    p.Paragraphs.push_back(
        {320, 226, 250, Face::Helvetica, 6.5, 8, "Enter the same number as on Form 200, item H."});
    SectionBar(p, 36, 576, 330, "OFFICERS", "List the officer holding each office on the date above");
    p.Paragraphs.push_back(
        {40, 358, 532, Face::Helvetica, 6.5, 8,
         "Give each officer's full name, Social Security Number, home address and home phone number. An "
         "officer who holds more than one office is listed for each of them."});
    p.Paragraphs.push_back(
        {40, 640, 532, Face::Helvetica, 6.5, 8,
         "The officers are those of the corporation on the date stated above. If an office was vacant on "
         "that date, write \"vacant\" in the name. Attach a separate statement for any other officer or "
         "director the corporation wishes to report."});
    return p;
}

} // namespace qv::forms::build
