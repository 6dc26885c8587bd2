#include "PageDrawing.h"

#include "DrawingBuilders.h"

#include <array>
#include <stdexcept>

namespace qv::forms {

namespace {

// Pages 5 and 6 hold no form.
PageDrawing Unused() {
    PageDrawing p;
    p.Labels.push_back({form::kPageCentre, 396, Face::Helvetica, 9, Align::Centre,
                        "This page is intentionally left blank.", 0.4});
    return p;
}

} // namespace

const PageDrawing& Drawing(int templatePage) {
    using namespace build;
    static const std::array<PageDrawing, form::page::Count> pages = {
        Form200Drawing(), ScheduleADrawing(), ScheduleBCDDrawing(), BalanceSheetDrawing(), Unused(),
        Unused(),         Form200FDrawing(),  MinMaxDrawing(),      MinMaxBackDrawing()};
    if (templatePage < 1 || templatePage > form::page::Count)
        throw std::out_of_range("no such template page");
    return pages[static_cast<size_t>(templatePage - 1)];
}

} // namespace qv::forms
