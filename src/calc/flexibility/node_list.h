// The pipe route as the node editor builds it: numbered segment records, the segment being edited and the end node.
//
// Node 0 is the start of the route; segment record n runs from node n−1 to node n, for n = 1…100. A record holds
// the four texts the user saved for it, exactly as typed (blanks kept, nothing converted): they become numbers only
// when the route is assessed. The one check on a save is that the segment can exist: where its four texts are
// numbers, its length may not fall short of the resultant of its projections by more than the rounding of typed
// values. The editor shows one segment at a time, From node F to To node T = F + 1, and moves along the route one
// segment at a time; the end node, once marked, bounds how far it may move forward. The whole route can also be
// replaced at once (the route table), under the same checks.
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
// The route table reads and writes the whole list in the same form, records 1 to the last one it holds.
struct Route {
    std::optional<int> end;
    std::vector<std::optional<SegmentTexts>> segments;  // record n at index n − 1

    friend bool operator==(const Route&, const Route&) = default;
};

// What the rounding of typed values may take off a segment whose projections have the resultant r:
// max(0.005 m, 0.001·r). A length this much shorter than r is still taken as r (a diagonal of √200 typed 14.14).
double rounding_allowance(double resultant);

// The resultant r = √(LX² + LY² + LZ²) of a segment that cannot exist: its four texts are numbers and its length L
// is shorter than r by more than the allowance, L < r − max(0.005, 0.001·r). Nothing for any other segment, also
// where a text is no number (the assessment refuses it) or r is beyond the range of a double.
std::optional<double> shorter_than_projections(const SegmentTexts& texts);

// Why a whole route cannot replace the list: the first record at fault (1-based, as the route table numbers its
// rows) and what is wrong with it.
struct RouteFault {
    enum class Kind {
        TooManyRecords,          // a record beyond the hundredth
        PartlyFilled,            // some of its four texts empty, not all
        ShorterThanProjections,  // see shorter_than_projections(); `resultant` is its r
        EndOnEmptyRecord,        // the end node on a record with no texts (or beyond the last)
    };
    Kind kind;
    int record;
    double resultant = 0;
};

class NodeList {
public:
    static constexpr int kMaxNode = 100;

    enum class SaveResult { Saved, EmptyField, ShorterThanProjections };
    enum class StepResult { Moved, Stayed, AtMaxNode };

    // Stores the texts as record T and, when `mark_end` is set, makes T the end node. An empty text in any of the
    // four, or a segment shorter than its projections, refuses the save and changes nothing; a text of blanks only
    // is not empty.
    SaveResult save(const SegmentTexts& texts, bool mark_end);

    // Whether the editor holds what a move would lose: `shown` has a text that is not empty, and either differs from
    // record T (or T was never saved) or `mark_end` asks for an end node T that is not yet set. Four empty texts are
    // never pending: a saved record whose texts were cleared in the editor stays as it was.
    bool pending(const SegmentTexts& shown, bool mark_end) const;

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

    // Every record from 1 to the last saved one, or to the end node where it lies further, with the end node.
    Route whole_route() const;

    // Replaces every record by `whole` (record n at index n − 1, none beyond) and the end node by its end, where
    // route_fault() finds nothing; else changes nothing and returns the fault. The current segment stays, unless it
    // lay within the whole route as it was and lies beyond the new one: then it moves to the new last record (to the
    // first segment where there is none).
    std::optional<RouteFault> replace(const Route& whole);

    // A route as a case file kept it: its saved records (index n − 1 for record n, up to 100), its end node and the
    // segment shown. False, changing nothing, where they break the list's rules (a record with an empty text, a node
    // outside 1…100).
    bool load(const std::vector<std::optional<SegmentTexts>>& records, std::optional<int> end, int to);

private:
    std::array<std::optional<SegmentTexts>, kMaxNode + 1> records_{};  // index 0 is never used
    int to_ = 1;
    std::optional<int> end_;
};

// The first fault of a whole route, record by record from the first (beyond the hundredth, partly filled, shorter
// than its projections, the end node without texts), then an end node beyond the last record. Nothing where the
// route can replace the list: records of four texts or none, an end node (if any) on one with texts.
std::optional<RouteFault> route_fault(const Route& whole);

}  // namespace vxr::calc
