// Schedule A: the corporation and its four officers.

#include "FormPagesFixture.h"

namespace qv {
namespace {

using namespace test;

TEST_F(FormPagesTest, ScheduleAStampsTheCorporationAndItsOfficers) {
    SetIdentification();
    r.Set(fld::SchedADate, EncodeDate(2010, 6, 15));
    r.Set(fld::SchedAPresName, "Margaret A. Hollis");
    r.Set(fld::SchedAPresSSN, "440-12-3456");
    r.Set(fld::SchedAPresAddress, "2815 NW 63rd St, Oklahoma City, OK 73116");
    r.Set(fld::SchedAPresPhone, "(405) 555-0142");
    r.Set(fld::SchedAVPName, "Daniel R. Whitcomb");
    r.Set(fld::SchedAVPSSN, "   -  -    "); // blank masks print nothing
    r.Set(fld::SchedAVPAddress, "9304 S. Shartel Ave");
    r.Set(fld::SchedAVPPhone, "(   )    -    ");
    r.Set(fld::SchedASecName, "Lucinda M. Perez");
    r.Set(fld::SchedASecSSN, "445-31-7789");
    r.Set(fld::SchedASecAddress, "1717 E. 15th St, Edmond, OK 73013");
    r.Set(fld::SchedASecPhone, "(405) 555-0199");
    r.Set(fld::SchedATreasName, "Lucinda M. Perez");
    r.Set(fld::SchedATreasSSN, "445-31-    "); // partly typed: prints
    r.Set(fld::SchedATreasPhone, "(405)    -    ");
    const auto stamps = Stamps(Print([](PrintRun& run) { run.StampScheduleA(); }), {2});
    ASSERT_EQ(stamps.size(), 1u);
    Expects e = {
        {"Red Earth Pipe & Supply, Inc.", 82, 110, kTimes, 12},
        {"1200 N. Harvey Ave.", 82, 131, kTimes, 12},
        {"Oklahoma City, OK 73103", 82, 157, kTimes, 12},
        {"06/15/2010", 338, 292, kTimes, 12},
        {"Margaret A. Hollis", 74, 405, kTimes, 12},
        {"440-12-3456", 354, 405, kTimes, 12},
        {"2815 NW 63rd St, Oklahoma City, OK 73116", 74, 434, kTimes, 12},
        {"(405) 555-0142", 354, 434, kTimes, 12},
        {"Daniel R. Whitcomb", 74, 463, kTimes, 12},
        {"9304 S. Shartel Ave", 74, 494, kTimes, 12},
        {"Lucinda M. Perez", 74, 521, kTimes, 12},
        {"445-31-7789", 354, 521, kTimes, 12},
        {"1717 E. 15th St, Edmond, OK 73013", 74, 551, kTimes, 12},
        {"(405) 555-0199", 354, 551, kTimes, 12},
        {"Lucinda M. Perez", 74, 581, kTimes, 12},
        {"445-31-    ", 354, 581, kTimes, 12},
        {"(405)    -    ", 354, 610, kTimes, 12},
    };
    Append(e, Boxes(240, {170, 184, 200, 216, 231, 245, 257, 272, 288}, "731234567", kTimes, 16));
    ExpectPage(stamps, 1, e);
}

} // namespace
} // namespace qv
