// The node list as the editor drives it: scenarios of saves and moves, with the whole state checked after each.
#include "calc/flexibility/node_list.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vxr::calc {
namespace {

enum class Op { Save, SaveEnd, Previous, Next };

// One operation and the state it must leave: its outcome, the To node, the end node and the texts shown.
struct Step {
    Op op;
    SegmentTexts typed;  // for saves
    std::string outcome;
    int to;
    std::optional<int> end;
    SegmentTexts shown;
};

std::string run(NodeList& nodes, const Step& step) {
    switch (step.op) {
        case Op::Save:
        case Op::SaveEnd:
            return nodes.save(step.typed, step.op == Op::SaveEnd) == NodeList::SaveResult::Saved ? "saved" : "empty";
        case Op::Previous:
        case Op::Next: {
            const auto r = step.op == Op::Previous ? nodes.previous() : nodes.next();
            return r == NodeList::StepResult::Moved ? "moved" : r == NodeList::StepResult::Stayed ? "stayed" : "max";
        }
    }
    return {};
}

void play(NodeList& nodes, const std::vector<Step>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i + 1));
        const Step& s = steps[i];
        EXPECT_EQ(run(nodes, s), s.outcome);
        EXPECT_EQ(nodes.to(), s.to);
        EXPECT_EQ(nodes.from(), s.to - 1);
        EXPECT_EQ(nodes.end_node(), s.end);
        EXPECT_EQ(nodes.current(), s.shown);
    }
}

const SegmentTexts kNone{};
const SegmentTexts kA{"10", "10", "0", "0"};
const SegmentTexts kB{"5", "0", "5", "0"};
const SegmentTexts kBlanks{" 7 ", "  ", " -3", "abc"};  // stored as typed: blanks, letters and all

// Walks forward from the start, saving `texts` on every segment up to and including `to`.
void walk_to(NodeList& nodes, int to, const SegmentTexts& texts = kA) {
    for (;;) {
        nodes.save(texts, false);
        if (nodes.to() == to) break;
        ASSERT_EQ(nodes.next(), NodeList::StepResult::Moved);
    }
}

TEST(NodeListTest, StartsEmptyAtTheFirstSegment) {
    NodeList nodes;
    EXPECT_EQ(nodes.from(), 0);
    EXPECT_EQ(nodes.to(), 1);
    EXPECT_FALSE(nodes.end_node());
    for (int n = 1; n <= NodeList::kMaxNode; ++n) EXPECT_FALSE(nodes.record(n)) << n;
    play(nodes, {{Op::Previous, {}, "stayed", 1, {}, kNone}});
}

TEST(NodeListTest, SavesAndMovesKeepTextsAsTyped) {
    NodeList nodes;
    play(nodes, {
                    {Op::Save, kBlanks, "saved", 1, {}, kBlanks},
                    {Op::Next, {}, "moved", 2, {}, kNone},
                    {Op::Save, kA, "saved", 2, {}, kA},
                    {Op::Save, kB, "saved", 2, {}, kB},  // the second save replaces the first
                    {Op::Next, {}, "moved", 3, {}, kNone},
                    {Op::Previous, {}, "moved", 2, {}, kB},
                    {Op::Previous, {}, "moved", 1, {}, kBlanks},
                    {Op::Previous, {}, "stayed", 1, {}, kBlanks},
                    {Op::Next, {}, "moved", 2, {}, kB},
                });
    EXPECT_EQ(nodes.record(1), kBlanks);
    EXPECT_FALSE(nodes.record(3));
}

TEST(NodeListTest, SaveRefusesAnEmptyFieldAndChangesNothing) {
    const std::vector<SegmentTexts> refused = {
        {"", "1", "1", "1"}, {"1", "", "1", "1"}, {"1", "1", "", "1"}, {"1", "1", "1", ""}};
    for (const auto& texts : refused) {
        NodeList nodes;
        walk_to(nodes, 3, kA);
        play(nodes, {
                        {Op::SaveEnd, kB, "saved", 3, 3, kB},
                        {Op::SaveEnd, texts, "empty", 3, 3, kB},  // record and end node as before
                        {Op::Previous, {}, "moved", 2, 3, kA},
                        {Op::SaveEnd, texts, "empty", 2, 3, kA},  // the end node does not move back either
                        {Op::Save, {" ", " ", " ", " "}, "saved", 2, 3, {" ", " ", " ", " "}},
                    });
    }
}

// Node numbers compare as numbers: with the end node at 10, Next from 9 reaches it.
TEST(NodeListTest, EndNodeStopsNextSilently) {
    NodeList nodes;
    walk_to(nodes, 10);
    play(nodes, {
                    {Op::SaveEnd, kB, "saved", 10, 10, kB},
                    {Op::Next, {}, "stayed", 10, 10, kB},
                    {Op::Previous, {}, "moved", 9, 10, kA},
                    {Op::Next, {}, "moved", 10, 10, kB},
                    {Op::Next, {}, "stayed", 10, 10, kB},
                    // The end node moves back only: to the current segment, and Next stops there from then on.
                    {Op::Previous, {}, "moved", 9, 10, kA},
                    {Op::Previous, {}, "moved", 8, 10, kA},
                    {Op::SaveEnd, kA, "saved", 8, 8, kA},
                    {Op::Next, {}, "stayed", 8, 8, kA},
                    {Op::Save, kB, "saved", 8, 8, kB},  // a save without the mark keeps the end node
                });
    EXPECT_EQ(nodes.record(10), kB);  // records beyond the end node stay as they were
}

TEST(NodeListTest, HundredIsTheLastNode) {
    NodeList nodes;
    walk_to(nodes, 99);
    play(nodes, {
                    {Op::Next, {}, "moved", 100, {}, kNone},
                    {Op::Next, {}, "max", 100, {}, kNone},
                    {Op::SaveEnd, kB, "saved", 100, 100, kB},
                    {Op::Next, {}, "max", 100, 100, kB},  // the limit is reported before the end node stops it
                    {Op::Previous, {}, "moved", 99, 100, kA},
                });
    EXPECT_EQ(nodes.record(100), kB);
}

}  // namespace
}  // namespace vxr::calc
