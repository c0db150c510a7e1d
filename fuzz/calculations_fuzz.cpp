// One fuzz target for the calculation core, driven by the list of calculations: one byte picks a calculation (or the
// numeric-text rule), the rest become the texts of its inputs, its options and, for the flexibility assessment, a
// route. Whatever the texts, it ends with every result its table names (no "nan" or "inf", each text with notes) or a
// refusal naming a field of its table, the same both times it runs; the sanitizers catch the rest.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "calc/catalogue.h"
#include "frame/number_text.h"
#include "frame/numeric_text.h"

namespace {

using namespace vxr;
using P = FuzzedDataProvider;

void require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "broken invariant: %s\n", what);
    std::abort();
}

// A field text: any double, an engineering value or a fraction, 1e±400, full-width forms, a long run, raw bytes.
std::string fieldText(P& p) {
    switch (p.ConsumeIntegralInRange<int>(0, 4)) {
        case 0:
            return frame::plain(p.ConsumeFloatingPoint<double>());
        case 1:
            return frame::plain(p.ConsumeBool() ? p.ConsumeFloatingPointInRange<double>(-2000, 2000)
                                                : p.ConsumeProbability<double>());
        case 2:
            return std::to_string(p.ConsumeIntegralInRange<int>(-9, 99)) + "e" +
                   std::to_string(p.ConsumeIntegralInRange<int>(-400, 400));
        case 3:
            return p.ConsumeBool() ? " １．５ " : std::string(p.ConsumeIntegralInRange<std::size_t>(0, 5000), '9');
        default:
            return p.ConsumeRandomLengthString(24);
    }
}

void fuzz(P& p, const calc::Calculation& calculation) {
    calc::Case c = calculation.defaults();
    for (std::string& text : c.texts) text = fieldText(p);
    for (const frame::Field& f : calculation.fields())
        if (f.kind == frame::Kind::Option && p.ConsumeBool()) calculation.set(c, f.name, "1");
    if (p.ConsumeBool()) c.route.end = p.ConsumeIntegralInRange<int>(1, 100);
    for (int n = c.route.end.value_or(0); n > 0; --n)
        c.route.segments.push_back(p.ConsumeBool() ? std::nullopt
                                                   : std::optional<calc::SegmentTexts>(
                                                         {fieldText(p), fieldText(p), fieldText(p), fieldText(p)}));
    const calc::Answer first = calculation.run(c);
    require(first.index() == calculation.run(c).index(), "the same texts gave another outcome");
    if (const auto* refused = std::get_if<calc::Refused>(&first)) {
        require(!refused->field || calculation.field(refused->field), "a refusal names a field of no table");
        return;
    }
    std::size_t results = 0;
    for (const frame::Field& f : calculation.fields()) results += f.kind == frame::Kind::Result;
    const auto& done = std::get<frame::Explained>(first);
    require(done.results.size() == results, "a result missing or extra");
    for (const auto& r : done.results)  // a box left blank carries no notes
        require(r.text.find("nan") == std::string::npos && r.text.find("inf") == std::string::npos &&
                    (r.text.empty() || !r.notes.empty()),
                "nan, inf or a text without notes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    P p(data, size);
    const std::span<const calc::Calculation> all = calc::calculations();
    const std::size_t pick = p.ConsumeIntegralInRange<std::size_t>(0, all.size());
    if (pick < all.size()) return fuzz(p, all[pick]), 0;
    const std::string t = fieldText(p);
    require(frame::parse_number(t) == frame::parse_number(frame::fold_full_width(t)), "folding changes the number");
    return 0;
}
