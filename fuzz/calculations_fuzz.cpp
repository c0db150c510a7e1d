// One fuzz target for the whole calculation core, driven by a table of its calculations. The first byte picks the
// calculation; the rest become its field texts (numbers anywhere in the double range, engineering values, powers
// of ten far out, blanks, full-width forms, raw bytes, long runs) and its options. Whatever the texts, a
// calculation ends: either with every result of its page, each a text that is no "nan" or "inf", with notes that
// are not empty, or with a refusal; and the same texts give the same outcome twice. The sanitizers catch the rest.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>

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
#include "frame/numeric_text.h"

namespace {

using namespace vxr;

void require(bool holds, const char* invariant) {
    if (holds) return;
    std::fprintf(stderr, "broken invariant: %s\n", invariant);
    std::abort();
}

// One field text, mostly a number written one of several ways.
std::string field_text(FuzzedDataProvider& p) {
    char buffer[64];
    switch (p.ConsumeIntegralInRange<int>(0, 7)) {
        case 0:
            std::snprintf(buffer, sizeof buffer, "%.17g", p.ConsumeFloatingPoint<double>());
            return buffer;
        case 1:
        case 2:
            std::snprintf(buffer, sizeof buffer, "%g", p.ConsumeFloatingPointInRange<double>(-2000, 2000));
            return buffer;
        case 3:
            std::snprintf(buffer, sizeof buffer, "%.4f", p.ConsumeFloatingPointInRange<double>(0, 1));
            return buffer;
        case 4:
            return std::to_string(p.ConsumeIntegralInRange<int>(-9, 99)) + "e" +
                   std::to_string(p.ConsumeIntegralInRange<int>(-400, 400));
        case 5:
            return " \xEF\xBC\x91\xEF\xBC\x8E\xEF\xBC\x95 ";  // "１．５" between blanks
        case 6:
            return std::string(p.ConsumeIntegralInRange<std::size_t>(0, 5000), '9');
        default:
            return p.ConsumeRandomLengthString(24);
    }
}

template <class In>
void check(const frame::Outcome<In>& outcome, std::size_t results) {
    const auto* done = std::get_if<frame::Explained>(&outcome);
    if (!done) return;
    require(done->results.size() == results, "a result missing or extra");
    for (const auto& r : done->results) {
        require(r.text.find("nan") == std::string::npos && r.text.find("inf") == std::string::npos, "nan or inf");
        require(!r.notes.empty(), "a result without notes");
    }
}

// Fills the first N members of `In`, all texts, and lets `options` set the rest; runs the calculation twice.
template <class In, std::size_t N, class Calc>
void fuzz(FuzzedDataProvider& p, Calc calc, std::size_t results, std::function<void(In&)> options = {}) {
    std::array<std::string, N> t;
    for (std::string& s : t) s = field_text(p);
    In in = [&]<std::size_t... I>(std::index_sequence<I...>) {
        return In{t[I]...};
    }
    (std::make_index_sequence<N>{});
    if (options) options(in);
    const auto first = calc(in);
    check(first, results);
    require(first.index() == calc(in).index(), "the same texts gave another outcome");
}

using Entry = std::function<void(FuzzedDataProvider&)>;
const Entry kCalculations[] = {
    [](FuzzedDataProvider& p) {
        const std::string text = field_text(p);
        require(frame::parse_number(text) == frame::parse_number(frame::fold_full_width(text)), "folding changes");
    },
    [](FuzzedDataProvider& p) {
        calc::PipeSections s;
        for (auto& section : s) section = {field_text(p), field_text(p)};
        check(calc::size_pipes(s), 6);
    },
    [](FuzzedDataProvider& p) { fuzz<calc::PipeRunInput, 14>(p, calc::friction_loss, 2); },
    [](FuzzedDataProvider& p) { fuzz<calc::PumpSuctionInput, 5>(p, calc::installation_height, 1); },
    [](FuzzedDataProvider& p) {
        fuzz<calc::ConvectionInput, 11>(p, calc::convection_film_coefficient, 1, [&](calc::ConvectionInput& in) {
            in.shape = static_cast<calc::PipeShape>(p.ConsumeIntegralInRange<int>(0, 3));
            in.heated = p.ConsumeBool();
        });
    },
    [](FuzzedDataProvider& p) {
        fuzz<calc::CondensationInput, 12>(p, calc::condensation_film_coefficient, 1, [&](calc::CondensationInput& in) {
            in.surface = static_cast<calc::CondensingSurface>(p.ConsumeIntegralInRange<int>(0, 3));
        });
    },
    [](FuzzedDataProvider& p) {
        // A route of a few segments saved, moved over and marked, then judged.
        calc::NodeList nodes;
        for (int step = p.ConsumeIntegralInRange<int>(0, 12); step > 0; --step) {
            switch (p.ConsumeIntegralInRange<int>(0, 2)) {
                case 0:
                    nodes.save({field_text(p), field_text(p), field_text(p), field_text(p)}, p.ConsumeBool());
                    break;
                case 1:
                    nodes.next();
                    break;
                default:
                    nodes.previous();
                    break;
            }
            require(nodes.from() == nodes.to() - 1 && nodes.to() >= 1 && nodes.to() <= 100, "node numbers");
        }
        calc::assess_flexibility({field_text(p), field_text(p), field_text(p), field_text(p)}, nodes);
    },
    [](FuzzedDataProvider& p) { fuzz<calc::EvaporationInput, 12>(p, calc::single_effect_evaporator, 8); },
    [](FuzzedDataProvider& p) { fuzz<calc::DryerInput, 8>(p, calc::convective_dryer, 9); },
    [](FuzzedDataProvider& p) { fuzz<calc::AbsorberInput, 7>(p, calc::packed_absorber, 8); },
    [](FuzzedDataProvider& p) { fuzz<calc::ColumnInput, 7>(p, calc::shortcut_column, 9); },
    [](FuzzedDataProvider& p) {
        fuzz<calc::ReliefInput, 11>(p, calc::relief_valve, 6, [&](calc::ReliefInput& in) {
            in.medium = p.ConsumeBool() ? calc::ReliefMedium::Gas : calc::ReliefMedium::Liquid;
        });
    },
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider p(data, size);
    const auto pick = p.ConsumeIntegralInRange<std::size_t>(0, std::size(kCalculations) - 1);
    kCalculations[pick](p);
    return 0;
}
