// Core tests through the list of calculations: a case is a calculation's defaults with some fields typed otherwise,
// named by their object names as the page and the manual's examples name them ({"dryAirTemp", "-10"}; an option
// chosen as {"Option8", "1"}), so that a field bound to the wrong member, a changed default or a swapped option fails.
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "calc/catalogue.h"

namespace vxr::test {

using Typed = std::vector<std::pair<const char*, const char*>>;

// The calculation named `calculation` run on its defaults with `typed`; an unknown field fails the test.
inline calc::Answer run(const char* calculation, const Typed& typed = {}, calc::Route route = {}) {
    const calc::Calculation* c = calc::find_calculation(calculation);
    if (!c) ADD_FAILURE() << "no calculation " << calculation;
    calc::Case k = c->defaults();
    for (const auto& [field, text] : typed)
        if (!c->set(k, field, text)) ADD_FAILURE() << calculation << " has no input or option " << field;
    k.route = std::move(route);
    return c->run(k);
}

// What the page shows: every result's text joined by " | ", or the refusal's message (the data-check message where
// it has none of its own) and the field at fault: "请仔细核对数据！ @ Text34".
inline std::string shown(const calc::Answer& answer) {
    if (const auto* refused = std::get_if<calc::Refused>(&answer))
        return (refused->message.empty() ? "请仔细核对数据！" : refused->message) + " @ " +
               (refused->field ? refused->field : "none");
    std::string all;
    for (const auto& r : std::get<frame::Explained>(answer).results) all += (all.empty() ? "" : " | ") + r.text;
    return all;
}

// Result `i`'s notes, line by line (none after a refusal).
inline std::vector<std::string> notes(const calc::Answer& answer, std::size_t i = 0) {
    const auto* done = std::get_if<frame::Explained>(&answer);
    return done && i < done->results.size() ? done->results[i].notes : std::vector<std::string>{};
}

// A named row: a case and what the page must show for it.
struct Shown {
    const char* name;
    Typed typed;
    std::string shown;
};
inline void expect_shown(const char* calculation, std::initializer_list<Shown> rows) {
    for (const Shown& r : rows) EXPECT_EQ(shown(run(calculation, r.typed)), r.shown) << r.name;
}

// A bound of a refusal: typed `at` over `base`, the field is refused with `message`, naming `fault` (the field typed
// where none is given); typed `beside`, the case finishes.
struct Bound {
    const char* field;
    const char* at;
    const char* beside;
    std::string message;
    const char* fault = nullptr;
};
inline void expect_bounds(const char* calculation, std::span<const Bound> bounds, const Typed& base = {}) {
    for (const Bound& b : bounds) {
        Typed at = base, beside = base;
        at.emplace_back(b.field, b.at), beside.emplace_back(b.field, b.beside);
        EXPECT_EQ(shown(run(calculation, at)), b.message + " @ " + (b.fault ? b.fault : b.field))
            << b.field << " " << b.at;
        EXPECT_TRUE(std::holds_alternative<frame::Explained>(run(calculation, beside))) << b.field << " " << b.beside;
    }
}

// Whether result `i`'s notes carry a warning ("注意：…").
inline bool warns(const calc::Answer& answer, std::size_t i = 0) {
    for (const std::string& line : notes(answer, i))
        if (line.starts_with("注意：")) return true;
    return false;
}

// The outline of every result's notes: each line's head (what stands before its first " = ", or its first four
// characters), the lines of a result joined by ", " and the results by " / ". A line dropped, moved or written under
// the wrong result shows here.
inline std::string outline(const calc::Answer& answer) {
    std::string all;
    const auto* done = std::get_if<frame::Explained>(&answer);
    for (std::size_t i = 0; done && i < done->results.size(); ++i) {
        std::string heads;
        for (const std::string& line : done->results[i].notes) {
            const std::size_t equals = line.find(" = ");
            // Four characters of UTF-8 text: the first four code points.
            std::size_t cut = 0;
            for (int n = 0; n < 4 && cut < line.size(); ++n) do
                    ++cut;
                while (cut < line.size() && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80);
            heads += (heads.empty() ? "" : ", ") + line.substr(0, equals == std::string::npos ? cut : equals);
        }
        all += (i ? " / " : "") + heads;
    }
    return all;
}

}  // namespace vxr::test
