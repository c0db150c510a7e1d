// Reading a calculation's outcome in core tests; cases written as a page's default texts with a few changed.
#pragma once
#include <gtest/gtest.h>
#include <optional>
#include "frame/outcome.h"

namespace vxr::test {
// clang-format off
// Every result's text, or result `i`'s, or nothing where the calculation refused: what a page must show.
template <class In> std::optional<std::vector<std::string>> results(const frame::Outcome<In>& outcome) {
    std::optional<std::vector<std::string>> all;
    if (const auto* done = std::get_if<frame::Explained>(&outcome))
        for (all.emplace(); const auto& r : done->results) all->push_back(r.text);
    return all;
}
template <class In> std::optional<std::string> shown(const frame::Outcome<In>& outcome, std::size_t i = 0) {
    const auto all = results(outcome);
    return all && i < all->size() ? std::optional((*all)[i]) : std::nullopt;
}
// Result `i`'s notes joined with " / ", as a tool tip reads line by line; whether one of them warns.
template <class In> std::string notes(const frame::Outcome<In>& outcome, std::size_t i = 0) {
    std::string joined;
    if (const auto* done = std::get_if<frame::Explained>(&outcome); done && i < done->results.size())
        for (const std::string& line : done->results[i].notes) joined += (joined.empty() ? "" : " / ") + line;
    return joined;
}
template <class In> bool warns(const frame::Outcome<In>& outcome, std::size_t i = 0) {
    return notes(outcome, i).find("注意：") != std::string::npos;
}
// Field texts changed from a page's defaults; the texts a row types (to name it); a calculation on edited defaults.
template <class In> using Edits = std::vector<std::pair<std::string In::*, const char*>>;
template <class In> In edited(In in, const Edits<In>& edits) {
    for (const auto& [field, text] : edits) in.*field = text;
    return in;
}
template <class In> std::string typed(const Edits<In>& edits) {
    std::string all;
    for (const auto& edit : edits) all += std::string(edit.second) + " ";
    return all;
}
template <class In> auto runner(frame::Outcome<In> (*calc)(const In&), In defaults) {
    return [=](const Edits<In>& edits) { return calc(edited(defaults, edits)); };
}
// Rows of edits with the refusal each must give: its message (empty: a step of the arithmetic failed, the data-check
// message; "finished": none) and the field at fault.
template <class In> using Refused = std::tuple<Edits<In>, std::string, std::string In::*>;
template <class In, class Run> void expect_refusals(const Run& run, const std::vector<Refused<In>>& rows) {
    using Seen = std::pair<std::string, std::string In::*>;
    for (const auto& [edits, message, field] : rows) {
        const auto out = run(edits);
        const auto* r = std::get_if<frame::Refusal<In>>(&out);
        EXPECT_EQ(r ? Seen(r->message, r->field) : Seen("finished", nullptr), Seen(message, field)) << typed(edits);
    }
}
}  // namespace vxr::test
