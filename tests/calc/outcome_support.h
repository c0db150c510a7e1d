// Reading a calculation's outcome in core tests: the texts of its results, or nothing where it refused.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "frame/outcome.h"

namespace vxr::test {

// Result `i`'s text, or nothing where the calculation refused.
template <class In>
std::optional<std::string> shown(const frame::Outcome<In>& outcome, std::size_t i = 0) {
    const auto* done = std::get_if<frame::Explained>(&outcome);
    if (!done || i >= done->results.size()) return std::nullopt;
    return done->results[i].text;
}

// Every result's text; empty where the calculation refused.
template <class In>
std::vector<std::string> texts(const frame::Outcome<In>& outcome) {
    std::vector<std::string> all;
    if (const auto* done = std::get_if<frame::Explained>(&outcome))
        for (const auto& r : done->results) all.push_back(r.text);
    return all;
}

// Every result's text, or nothing where the calculation refused: what a page must show for the same texts.
template <class In>
std::optional<std::vector<std::string>> results(const frame::Outcome<In>& outcome) {
    if (std::holds_alternative<frame::Refusal<In>>(outcome)) return std::nullopt;
    return texts(outcome);
}

// Result `i`'s notes joined with " / ", as a tool tip reads line by line.
template <class In>
std::string notes(const frame::Outcome<In>& outcome, std::size_t i = 0) {
    const auto* done = std::get_if<frame::Explained>(&outcome);
    if (!done || i >= done->results.size()) return {};
    std::string joined;
    for (const std::string& line : done->results[i].notes) joined += (joined.empty() ? "" : " / ") + line;
    return joined;
}

}  // namespace vxr::test
