#include "calc/flexibility/node_list.h"

#include <cassert>

namespace vxr::calc {

NodeList::SaveResult NodeList::save(const SegmentTexts& texts, bool mark_end) {
    if (texts.lx.empty() || texts.ly.empty() || texts.lz.empty() || texts.length.empty()) return SaveResult::EmptyField;
    if (mark_end) end_ = to_;
    records_[static_cast<std::size_t>(to_)] = texts;
    return SaveResult::Saved;
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
    if (records.size() > kMaxNode || to < 1 || to > kMaxNode || (end && (*end < 1 || *end > kMaxNode || to > *end)))
        return false;
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

}  // namespace vxr::calc
