// The node list as the editor drives it: scenarios of saves and moves, with the whole state checked after each.
#include "calc/flexibility/node_list.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vxr::calc {
namespace {

// One operation — s save, e save marking the end node, p previous, n next, w walk forward saving kA on each segment up
// to `to` — and the state it must leave: its outcome, the To node, the end node and the texts shown.
struct Step {
    char op;
    SegmentTexts typed;
    const char* outcome;
    int to;
    std::optional<int> end;
    SegmentTexts shown;
};

const SegmentTexts kNone{}, kA{"10", "10", "0", "0"}, kB{"5", "0", "5", "0"};
const SegmentTexts kOdd{" 7 ", "  ", " -3", "abc"};  // stored as typed: blanks, letters and all

std::string run(NodeList& nodes, const Step& s) {
    for (; s.op == 'w' && nodes.to() < s.to; nodes.next()) nodes.save(kA, false);
    if (s.op != 'p' && s.op != 'n')
        return nodes.save(s.op == 'w' ? kA : s.typed, s.op == 'e') == NodeList::SaveResult::Saved ? "saved" : "empty";
    const auto r = s.op == 'p' ? nodes.previous() : nodes.next();
    return r == NodeList::StepResult::Moved ? "moved" : r == NodeList::StepResult::Stayed ? "stayed" : "max";
}

NodeList play(const std::vector<Step>& steps) {
    NodeList nodes;
    for (int n = 1; n <= NodeList::kMaxNode; ++n) EXPECT_FALSE(nodes.record(n)) << n;
    for (const Step& s : steps) {
        SCOPED_TRACE("step " + std::to_string(&s - steps.data() + 1));
        EXPECT_EQ(run(nodes, s), s.outcome);
        EXPECT_EQ(nodes.to(), s.to);
        EXPECT_EQ(nodes.from(), s.to - 1);
        EXPECT_EQ(nodes.end_node(), s.end);
        EXPECT_EQ(nodes.current(), s.shown);
    }
    return nodes;
}

// clang-format off
TEST(NodeListTest, SavesAndMovesKeepTextsAsTyped) {
    (void)play({{'p', {}, "stayed", 1, {}, kNone}, {'s', kOdd, "saved", 1, {}, kOdd}, {'n', {}, "moved", 2, {}, kNone},
                {'s', kA, "saved", 2, {}, kA}, {'s', kB, "saved", 2, {}, kB},  // the second save replaces the first
                {'n', {}, "moved", 3, {}, kNone}, {'p', {}, "moved", 2, {}, kB}, {'p', {}, "moved", 1, {}, kOdd},
                {'p', {}, "stayed", 1, {}, kOdd}, {'n', {}, "moved", 2, {}, kB}, {'n', {}, "moved", 3, {}, kNone}});
}

// An empty text in any of the four refuses the save and changes nothing, the end node included.
TEST(NodeListTest, SaveRefusesAnEmptyField) {
    const SegmentTexts blanks{" ", " ", " ", " "};  // not empty
    for (const SegmentTexts& empty : std::vector<SegmentTexts>{
             {"", "1", "1", "1"}, {"1", "", "1", "1"}, {"1", "1", "", "1"}, {"1", "1", "1", ""}}) {
        (void)play({{'w', {}, "saved", 3, {}, kA}, {'e', kB, "saved", 3, 3, kB}, {'e', empty, "empty", 3, 3, kB},
                    {'p', {}, "moved", 2, 3, kA}, {'e', empty, "empty", 2, 3, kA},
                    {'s', blanks, "saved", 2, 3, blanks}, {'e', empty, "empty", 2, 3, blanks}});
    }
}

// The end node stops Next silently (node numbers compare as numbers: from 9, Next reaches an end node at 10) and moves
// only with a marked save; records beyond it stay. The limit of node 100 is reported before the end node.
TEST(NodeListTest, EndNodeAndTheLastNode) {
    EXPECT_EQ(play({{'w', {}, "saved", 10, {}, kA}, {'e', kB, "saved", 10, 10, kB}, {'n', {}, "stayed", 10, 10, kB},
                    {'p', {}, "moved", 9, 10, kA}, {'n', {}, "moved", 10, 10, kB}, {'p', {}, "moved", 9, 10, kA},
                    {'p', {}, "moved", 8, 10, kA}, {'e', kA, "saved", 8, 8, kA}, {'n', {}, "stayed", 8, 8, kA},
                    {'s', kB, "saved", 8, 8, kB}, {'e', kB, "saved", 8, 8, kB}}).record(10), kB);
    (void)play({{'w', {}, "saved", 99, {}, kA}, {'n', {}, "moved", 100, {}, kNone}, {'n', {}, "max", 100, {}, kNone},
                {'e', kB, "saved", 100, 100, kB}, {'n', {}, "max", 100, 100, kB}, {'p', {}, "moved", 99, 100, kA},
                {'e', kA, "saved", 99, 99, kA}, {'n', {}, "stayed", 99, 99, kA}});
}
// clang-format on

}  // namespace
}  // namespace vxr::calc
