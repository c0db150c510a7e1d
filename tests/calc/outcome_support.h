// Reading a calculation's outcome in core tests, and cases written as the default texts with a few changed.
#pragma once

#include <optional>
#include "frame/outcome.h"

namespace vxr::test {

// Every result's text, or nothing where the calculation refused: what a page must show for the same texts.
template <class In>
std::optional<std::vector<std::string>> results(const frame::Outcome<In>& outcome) {
    const auto* done = std::get_if<frame::Explained>(&outcome);
    if (!done) return std::nullopt;
    std::vector<std::string> all;
    for (const auto& r : done->results) all.push_back(r.text);
    return all;
}
// Result `i`'s text, or nothing where the calculation refused.
template <class In>
std::optional<std::string> shown(const frame::Outcome<In>& outcome, std::size_t i = 0) {
    const auto all = results(outcome);
    return all && i < all->size() ? std::optional((*all)[i]) : std::nullopt;
}
// Result `i`'s notes joined with " / ", as a tool tip reads line by line.
template <class In>
std::string notes(const frame::Outcome<In>& outcome, std::size_t i = 0) {
    const auto* done = std::get_if<frame::Explained>(&outcome);
    std::string joined;
    if (done && i < done->results.size())
        for (const std::string& line : done->results[i].notes) joined += (joined.empty() ? "" : " / ") + line;
    return joined;
}
// A refusal's message and field at fault (empty and none: a step of the arithmetic failed); a calculation that
// finished gives "finished" and no field.
template <class In>
std::pair<std::string, std::string In::*> refusal(const frame::Outcome<In>& outcome) {
    if (const auto* r = std::get_if<frame::Refusal<In>>(&outcome)) return {r->message, r->field};
    return {"finished", nullptr};
}

// Field texts changed from a case's defaults.
template <class In>
using Edits = std::vector<std::pair<std::string In::*, const char*>>;
template <class In>
In edited(In in, const Edits<In>& edits) {
    for (const auto& [field, text] : edits) in.*field = text;
    return in;
}

}  // namespace vxr::test
