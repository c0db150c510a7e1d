// One fuzz target for the calculation core, driven by a table of its calculations: one byte picks one, the rest
// become its texts and options. Whatever the texts, it ends with every result of its page (no "nan" or "inf", each
// text with notes) or a refusal, the same both times it runs; the sanitizers catch the rest.
#include <fuzzer/FuzzedDataProvider.h>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include "calc/absorption/packed_absorber.h"
#include "calc/distillation/shortcut_column.h"
#include "calc/drying/convective_dryer.h"
#include "calc/evaporation/single_effect.h"
#include "calc/flexibility/assessment.h"
#include "calc/heat/condensation.h"
#include "calc/heat/forced_convection.h"
#include "calc/hydraulics/friction_loss.h"
#include "calc/hydraulics/pipe_diameter.h"
#include "calc/pump/installation_height.h"
#include "calc/relief/relief_valve.h"
#include "frame/number_text.h"
#include "frame/numeric_text.h"

namespace {
using namespace vxr;
using P = FuzzedDataProvider;
// clang-format off
void require(bool ok, const char* what) { if (!ok) std::fprintf(stderr, "broken invariant: %s\n", what), std::abort(); }
// A field text: any double, an engineering value or a fraction, 1e±400, full-width forms, a long run, raw bytes.
std::string field_text(P& p) {
    switch (p.ConsumeIntegralInRange<int>(0, 4)) {
        case 0: return frame::plain(p.ConsumeFloatingPoint<double>());
        case 1: return frame::plain(p.ConsumeBool() ? p.ConsumeFloatingPointInRange<double>(-2000, 2000)
                                                    : p.ConsumeProbability<double>());
        case 2: return std::to_string(p.ConsumeIntegralInRange<int>(-9, 99)) + "e" +
                       std::to_string(p.ConsumeIntegralInRange<int>(-400, 400));
        case 3: return p.ConsumeBool() ? " １．５ " : std::string(p.ConsumeIntegralInRange<std::size_t>(0, 5000), '9');
        default: return p.ConsumeRandomLengthString(24);
    }
}
// Fills the first N text members of `In`, lets `options` set the rest, runs the calculation twice.
template <class In, std::size_t N, class Calc>
void fuzz(P& p, Calc calc, std::size_t results, std::function<void(In&)> options = {}) {
    In in = [&]<std::size_t... I>(std::index_sequence<I...>) { return In{(void(I), field_text(p))...}; }(
        std::make_index_sequence<N>{});
    if (options) options(in);
    const auto first = calc(in);
    require(first.index() == calc(in).index(), "the same texts gave another outcome");
    if (const auto* done = std::get_if<frame::Explained>(&first)) {
        require(done->results.size() == results, "a result missing or extra");
        for (const auto& r : done->results)  // a box left blank carries no notes
            require(r.text.find("nan") == std::string::npos && r.text.find("inf") == std::string::npos &&
                    (r.text.empty() || !r.notes.empty()), "nan, inf or a text without notes");
    }
}
template <class E> E pick(P& p, int last) { return static_cast<E>(p.ConsumeIntegralInRange<int>(0, last)); }

const std::function<void(P&)> kCalculations[] = {
    [](P& p) { const std::string t = field_text(p);
               require(frame::parse_number(t) == frame::parse_number(frame::fold_full_width(t)), "folding changes"); },
    [](P& p) { fuzz<calc::PipeSections, 0>(p, calc::size_pipes, 6, [&](calc::PipeSections& sections) {
                   for (auto& s : sections) s = {field_text(p), field_text(p)}; }); },
    [](P& p) { fuzz<calc::PipeRunInput, 14>(p, calc::friction_loss, 2); },
    [](P& p) { fuzz<calc::PumpSuctionInput, 5>(p, calc::installation_height, 1); },
    [](P& p) { fuzz<calc::ConvectionInput, 11>(p, calc::convection_film_coefficient, 1, [&](calc::ConvectionInput& in) {
                   in.shape = pick<calc::PipeShape>(p, 3), in.heated = p.ConsumeBool(); }); },
    [](P& p) { fuzz<calc::CondensationInput, 12>(p, calc::condensation_film_coefficient, 1,
                   [&](calc::CondensationInput& in) { in.surface = pick<calc::CondensingSurface>(p, 3); }); },
    [](P& p) {  // a route of a few segments saved, moved over and marked, then judged
        calc::NodeList nodes;
        for (int step = p.ConsumeIntegralInRange<int>(0, 12); step > 0; --step) {
            if (const int op = p.ConsumeIntegralInRange<int>(0, 2); op == 0)
                nodes.save({field_text(p), field_text(p), field_text(p), field_text(p)}, p.ConsumeBool());
            else (void)(op == 1 ? nodes.next() : nodes.previous());
            require(nodes.from() == nodes.to() - 1 && nodes.to() >= 1 && nodes.to() <= 100, "node numbers");
        }
        calc::assess_flexibility({field_text(p), field_text(p), field_text(p), field_text(p)}, nodes);
    },
    [](P& p) { fuzz<calc::EvaporationInput, 12>(p, calc::single_effect_evaporator, 8); },
    [](P& p) { fuzz<calc::DryerInput, 8>(p, calc::convective_dryer, 9); },
    [](P& p) { fuzz<calc::AbsorberInput, 7>(p, calc::packed_absorber, 8); },
    [](P& p) { fuzz<calc::ColumnInput, 7>(p, calc::shortcut_column, 9); },
    [](P& p) { fuzz<calc::ReliefInput, 11>(p, calc::relief_valve, 6,
                   [&](calc::ReliefInput& in) { in.medium = pick<calc::ReliefMedium>(p, 1); }); },
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    P p(data, size);
    kCalculations[p.ConsumeIntegralInRange<std::size_t>(0, std::size(kCalculations) - 1)](p);
    return 0;
}
