#include "calc/flexibility/node_list.h"
#include <gtest/gtest.h>

using namespace vxr::calc;
// One operation — s save, e save marking the end node, p previous, n next, w walk forward saving kA on each segment up
// to `to` — and the state it must leave: its outcome, the To node, the end node and the texts shown.
using Step = std::tuple<char, SegmentTexts, const char*, int, std::optional<int>, SegmentTexts>;
const SegmentTexts kNone{}, kA{"10", "10", "0", "0"}, kB{"5", "0", "5", "0"}, kBlanks{" ", " ", " ", " "};
// clang-format off
static NodeList play(const std::vector<Step>& steps) {
    NodeList nodes;
    for (int n = 1; n <= NodeList::kMaxNode; ++n) EXPECT_FALSE(nodes.record(n)) << n;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i + 1));
        const auto& [op, typed, outcome, to, end, shown] = steps[i];
        for (; op == 'w' && nodes.to() < to; nodes.next()) nodes.save(kA, false);
        std::string done = "saved";
        if (op == 'p' || op == 'n') {
            const auto r = op == 'p' ? nodes.previous() : nodes.next();
            done = r == NodeList::StepResult::Moved ? "moved" : r == NodeList::StepResult::Stayed ? "stayed" : "max";
        } else if (nodes.save(op == 'w' ? kA : typed, op == 'e') != NodeList::SaveResult::Saved) done = "empty";
        EXPECT_EQ(std::tuple(done, nodes.from() + 1, nodes.to(), nodes.end_node()), std::tuple(outcome, to, to, end));
        EXPECT_EQ(nodes.current(), shown);
    }
    return nodes;
}
TEST(NodeListTest, Scenarios) {
    // Texts are stored as typed, blanks and letters and all; a second save replaces the first.
    const SegmentTexts odd{" 7 ", "  ", " -3", "abc"};
    (void)play({{'p', {}, "stayed", 1, {}, kNone}, {'s', odd, "saved", 1, {}, odd}, {'n', {}, "moved", 2, {}, kNone},
                {'s', kA, "saved", 2, {}, kA}, {'s', kB, "saved", 2, {}, kB}, {'n', {}, "moved", 3, {}, kNone},
                {'p', {}, "moved", 2, {}, kB}, {'p', {}, "moved", 1, {}, odd}, {'p', {}, "stayed", 1, {}, odd},
                {'n', {}, "moved", 2, {}, kB}, {'n', {}, "moved", 3, {}, kNone}});
    // An empty text in any of the four refuses the save and changes nothing, the end node included; blanks are text.
    for (const SegmentTexts& empty : {SegmentTexts{"", "1", "1", "1"}, SegmentTexts{"1", "", "1", "1"},
                                      SegmentTexts{"1", "1", "", "1"}, SegmentTexts{"1", "1", "1", ""}})
        (void)play({{'w', {}, "saved", 3, {}, kA}, {'e', kB, "saved", 3, 3, kB}, {'e', empty, "empty", 3, 3, kB},
                    {'p', {}, "moved", 2, 3, kA}, {'e', empty, "empty", 2, 3, kA},
                    {'s', kBlanks, "saved", 2, 3, kBlanks}, {'e', empty, "empty", 2, 3, kBlanks}});
    // The end node stops Next silently (node numbers compare as numbers: from 9, Next reaches an end node at 10) and
    // moves only with a marked save; records beyond it stay. The limit of node 100 is reported before the end node.
    EXPECT_EQ(play({{'w', {}, "saved", 10, {}, kA}, {'e', kB, "saved", 10, 10, kB}, {'n', {}, "stayed", 10, 10, kB},
                    {'p', {}, "moved", 9, 10, kA}, {'n', {}, "moved", 10, 10, kB}, {'p', {}, "moved", 9, 10, kA},
                    {'p', {}, "moved", 8, 10, kA}, {'e', kA, "saved", 8, 8, kA}, {'n', {}, "stayed", 8, 8, kA},
                    {'s', kB, "saved", 8, 8, kB}, {'e', kB, "saved", 8, 8, kB}}).record(10), kB);
    (void)play({{'w', {}, "saved", 99, {}, kA}, {'n', {}, "moved", 100, {}, kNone}, {'n', {}, "max", 100, {}, kNone},
                {'e', kB, "saved", 100, 100, kB}, {'n', {}, "max", 100, 100, kB}, {'p', {}, "moved", 99, 100, kA},
                {'e', kA, "saved", 99, 99, kA}, {'n', {}, "stayed", 99, 99, kA}});
}
