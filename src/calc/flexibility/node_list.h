// The pipe route as the node editor builds it: numbered segment records, the segment being edited and the end node.
//
// Node 0 is the start of the route; segment record n runs from node n−1 to node n, for n = 1…100. A record holds
// the four texts the user saved for it, exactly as typed (blanks kept, nothing checked or converted): they become
// numbers only when the route is assessed. The editor shows one segment at a time, From node F to To node T = F + 1,
// and moves along the route one segment at a time; the end node, once marked, bounds how far it may move forward.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vxr::calc {

// The four texts of one segment, as typed into the editor's fields.
struct SegmentTexts {
    std::string length;  // developed length, m
    std::string lx;      // projection on X, m, negative against the axis
    std::string ly;      // projection on Y, m
    std::string lz;      // projection on Z, m

    friend bool operator==(const SegmentTexts&, const SegmentTexts&) = default;
};

// The route as the assessment reads it: the end node, and records 1 to the end node as saved (nothing: never saved).
struct Route {
    std::optional<int> end;
    std::vector<std::optional<SegmentTexts>> segments;  // record n at index n − 1
};

class NodeList {
public:
    static constexpr int kMaxNode = 100;

    enum class SaveResult { Saved, EmptyField };
    enum class StepResult { Moved, Stayed, AtMaxNode };

    // Stores the texts as record T and, when `mark_end` is set, makes T the end node. An empty text in any of the
    // four refuses the save and changes nothing; a text of blanks only is not empty.
    SaveResult save(const SegmentTexts& texts, bool mark_end);

    // Moves one segment back; stays at the first segment.
    StepResult previous();

    // Moves one segment forward; stays at the end node, and reports AtMaxNode (staying) at the last record.
    StepResult next();

    int from() const { return to_ - 1; }
    int to() const { return to_; }
    std::optional<int> end_node() const { return end_; }

    // Record n (1…100) as saved, or nothing if it never was.
    const std::optional<SegmentTexts>& record(int n) const;

    // What the editor shows for the current segment: its saved texts, or four empty texts.
    SegmentTexts current() const;

    // The route from node 0 to the end node (no segments while there is no end node).
    Route route() const;

    // A route as a case file kept it: its saved records (index n − 1 for record n, up to 100), its end node and the
    // segment shown. False, changing nothing, where they break the list's rules (a record with an empty text, a node
    // outside 1…100, the segment shown beyond the end node).
    bool load(const std::vector<std::optional<SegmentTexts>>& records, std::optional<int> end, int to);

private:
    std::array<std::optional<SegmentTexts>, kMaxNode + 1> records_{};  // index 0 is never used
    int to_ = 1;
    std::optional<int> end_;
};

}  // namespace vxr::calc
