// Form 200-F, the request to change the reporting period.

#include "FormPagesFixture.h"

namespace qv {
namespace {

using namespace test;

TEST_F(FormPagesTest, Form200FStampsTheElectionAndItsTexts) {
    SetIdentification();
    r.Set(fld::F200FNameTitle, "Margaret A. Hollis, President");
    r.Set(fld::F200FDate, "06/15/2010");
    r.Set(fld::F200FPhone, "(405) 555-0100");
    const Expects texts = {
        {"Red Earth Pipe & Supply, Inc.", 180, 407, kCourier, 12},
        {"73-1234567", 180, 450, kCourier, 12},
        {"January", 180, 520, kCourier, 12},
        {"December", 430, 520, kCourier, 12},
        {"Margaret A. Hollis, President", 50, 586, kCourier, 12},
        {"(405) 555-0100", 170, 644, kCourier, 12},
        {"06/15/2010", 370, 644, kCourier, 12},
    };
    Expects marked = texts;
    marked.push_back({"X", 78, 362, kCourier, 24});
    auto stamps = Stamps(Print([](PrintRun& run) { run.StampForm200F(); }), {7});
    ASSERT_EQ(stamps.size(), 1u);
    ExpectPage(stamps, 1, marked);

    r.Set(fld::F200FElect, false);
    stamps = Stamps(Print([](PrintRun& run) { run.StampForm200F(); }), {7});
    ASSERT_EQ(stamps.size(), 1u);
    ExpectPage(stamps, 1, texts);
}

} // namespace
} // namespace qv
