#include "calc/flexibility/node_list.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "frame/numeric_text.h"

namespace vxr::calc {

namespace {

bool empty(const SegmentTexts& t) {
    return t.length.empty() && t.lx.empty() && t.ly.empty() && t.lz.empty();
}
bool any_empty(const SegmentTexts& t) {
    return t.length.empty() || t.lx.empty() || t.ly.empty() || t.lz.empty();
}

}  // namespace

double rounding_allowance(double resultant) {
    return std::max(0.005, 0.001 * resultant);
}

std::optional<double> shorter_than_projections(const SegmentTexts& texts) {
    const auto length = frame::parse_number(texts.length), lx = frame::parse_number(texts.lx),
               ly = frame::parse_number(texts.ly), lz = frame::parse_number(texts.lz);
    if (!length || !lx || !ly || !lz) return std::nullopt;
    const double r = std::hypot(*lx, *ly, *lz);
    if (!std::isfinite(r) || !(*length < r - rounding_allowance(r))) return std::nullopt;
    return r;
}

NodeList::SaveResult NodeList::save(const SegmentTexts& texts, bool mark_end) {
    if (any_empty(texts)) return SaveResult::EmptyField;
    if (shorter_than_projections(texts)) return SaveResult::ShorterThanProjections;
    if (mark_end) end_ = to_;
    records_[static_cast<std::size_t>(to_)] = texts;
    return SaveResult::Saved;
}

bool NodeList::pending(const SegmentTexts& shown, bool mark_end) const {
    if (empty(shown)) return false;
    return shown != record(to_) || (mark_end && end_ != to_);
}

NodeList::StepResult NodeList::previous() {
    if (from() <= 0) return StepResult::Stayed;
    --to_;
    return StepResult::Moved;
}

NodeList::StepResult NodeList::next() {
    if (to_ >= kMaxNode) return StepResult::AtMaxNode;
    if (end_ && to_ >= *end_) return StepResult::Stayed;
    ++to_;
    return StepResult::Moved;
}

const std::optional<SegmentTexts>& NodeList::record(int n) const {
    assert(n >= 1 && n <= kMaxNode);
    return records_[static_cast<std::size_t>(n)];
}

SegmentTexts NodeList::current() const {
    return record(to_).value_or(SegmentTexts{});
}

bool NodeList::load(const std::vector<std::optional<SegmentTexts>>& records, std::optional<int> end, int to) {
    if (records.size() > kMaxNode || to < 1 || to > kMaxNode || (end && (*end < 1 || *end > kMaxNode))) return false;
    for (const auto& r : records)
        if (r && (r->length.empty() || r->lx.empty() || r->ly.empty() || r->lz.empty())) return false;
    records_ = {};
    for (std::size_t n = 0; n < records.size(); ++n) records_[n + 1] = records[n];
    end_ = end;
    to_ = to;
    return true;
}

Route NodeList::route() const {
    Route r{end_, {}};
    for (int n = 1; end_ && n <= *end_; ++n) r.segments.push_back(record(n));
    return r;
}

Route NodeList::whole_route() const {
    int last = end_.value_or(0);
    for (int n = kMaxNode; n > last; --n)
        if (record(n)) last = n;
    Route r{end_, {}};
    for (int n = 1; n <= last; ++n) r.segments.push_back(record(n));
    return r;
}

std::optional<RouteFault> NodeList::replace(const Route& whole) {
    if (const auto fault = route_fault(whole)) return fault;
    const int rows_before = static_cast<int>(whole_route().segments.size());
    const int rows = static_cast<int>(whole.segments.size());
    records_.fill(std::nullopt);
    for (int n = 1; n <= rows; ++n) {
        const std::optional<SegmentTexts>& s = whole.segments[static_cast<std::size_t>(n - 1)];
        if (s && !empty(*s)) records_[static_cast<std::size_t>(n)] = s;  // four empty texts: a record never saved
    }
    end_ = whole.end;
    if (to_ <= rows_before && to_ > rows) to_ = std::max(rows, 1);
    return std::nullopt;
}

std::optional<RouteFault> route_fault(const Route& whole) {
    const int rows = static_cast<int>(whole.segments.size());
    for (int n = 1; n <= rows; ++n) {
        const std::optional<SegmentTexts>& s = whole.segments[static_cast<std::size_t>(n - 1)];
        const bool blank = !s || empty(*s);
        if (n > NodeList::kMaxNode) return RouteFault{RouteFault::Kind::TooManyRecords, n};
        if (!blank && any_empty(*s)) return RouteFault{RouteFault::Kind::PartlyFilled, n};
        if (const auto r = s ? shorter_than_projections(*s) : std::nullopt)
            return RouteFault{RouteFault::Kind::ShorterThanProjections, n, *r};
        if (blank && whole.end == n) return RouteFault{RouteFault::Kind::EndOnEmptyRecord, n};
    }
    if (whole.end && (*whole.end < 1 || *whole.end > rows))
        return RouteFault{RouteFault::Kind::EndOnEmptyRecord, *whole.end};
    return std::nullopt;
}

}  // namespace vxr::calc
