// Fuzz target for the pipe-stress node list and the flexibility assessment: a sequence of saves, moves and
// assessments drawn from the fuzzer's bytes, checked step by step against a plain model of the node list.
//
// The node list keeps 1 ≤ To ≤ 100, From = To − 1 and To ≤ the end node once there is one; a save with an empty
// text changes nothing; Next stops at the end node and reports the last record; what the editor shows is the saved
// record or four empty texts. The assessment never changes the node list, reports a missing end node, and
// otherwise either refuses or gives one of the two verdicts, the one that D·Y/(L − U)² ≤ 208.3 calls for when
// every number is of moderate size and the route is not too near a straight line or the limit.
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "calc/flexibility/assessment.h"
#include "calc/flexibility/node_list.h"
#include "frame/numeric_text.h"
#include "fuzz_support.h"

using vxr::calc::NodeList;
using vxr::calc::SegmentTexts;
using vxr::fuzz::require;

namespace {

struct Model {
    std::array<std::optional<SegmentTexts>, NodeList::kMaxNode + 1> records;
    int to = 1;
    std::optional<int> end;
};

void require_same(const NodeList& nodes, const Model& m, const char* step) {
    require(nodes.to() == m.to && nodes.from() == m.to - 1, "node numbers differ from the model", step);
    require(nodes.end_node() == m.end, "end node differs from the model", step);
    require(m.to >= 1 && m.to <= NodeList::kMaxNode, "To out of range", step);
    require(!m.end || m.to <= *m.end, "To beyond the end node", step);
    for (int n = 1; n <= NodeList::kMaxNode; ++n)
        require(nodes.record(n) == m.records[std::size_t(n)], "record differs from the model", step);
    require(nodes.current() == m.records[std::size_t(m.to)].value_or(SegmentTexts{}), "current segment wrong", step);
}

// The verdict the criterion calls for, when it can be told for sure in long double: 1 suitable, 0 not, -1 unsure.
int expected_verdict(const Model& m, const vxr::calc::PipeBasics& pipe) {
    bool tame = true;
    const auto number = [&](const std::string& t) -> long double {
        const auto v = vxr::frame::parse_number(t);
        if (!v || (*v != 0 && (std::fabs(*v) < 1e-6 || std::fabs(*v) > 1e6))) tame = false;
        return v.value_or(0.0);
    };
    const long double d = number(pipe.diameter), alpha = number(pipe.expansion);
    const long double dt = number(pipe.t_max) - number(pipe.t_min);
    long double sx = 0, sy = 0, sz = 0, length = 0;
    for (int n = 1; n <= *m.end; ++n) {
        if (const auto& r = m.records[std::size_t(n)]) {
            sx += number(r->lx), sy += number(r->ly), sz += number(r->lz), length += number(r->length);
        }
    }
    const long double u = std::sqrt(sx * sx + sy * sy + sz * sz);
    const long double slack = length - u;
    if (!tame || std::fabs(slack) <= 1e-9L * (1 + length + u)) return -1;
    const long double ratio = d * std::fabs(alpha * dt) * u / (slack * slack);
    if (std::fabs(ratio - 208.3L) <= 1e-9L * 208.3L) return -1;
    return ratio <= 208.3L ? 1 : 0;
}

std::string text_or_empty(FuzzedDataProvider& in) {
    return in.ConsumeIntegralInRange<int>(0, 15) == 0 ? std::string() : vxr::fuzz::field_text(in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    NodeList nodes;
    Model m;
    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange<int>(0, 4)) {
            case 0: {
                SegmentTexts t;
                t.length = text_or_empty(in), t.lx = text_or_empty(in), t.ly = text_or_empty(in);
                t.lz = text_or_empty(in);
                const bool mark = in.ConsumeIntegralInRange<int>(0, 7) == 0;
                const bool empty = t.length.empty() || t.lx.empty() || t.ly.empty() || t.lz.empty();
                const auto result = nodes.save(t, mark);
                require((result == NodeList::SaveResult::EmptyField) == empty, "save refuses wrongly", "save");
                if (!empty) {
                    m.records[std::size_t(m.to)] = t;
                    if (mark) m.end = m.to;
                }
                require_same(nodes, m, "save");
                break;
            }
            case 1: {
                const auto result = nodes.previous();
                require((result == NodeList::StepResult::Moved) == (m.to > 1), "previous moves wrongly", "previous");
                if (m.to > 1) --m.to;
                require_same(nodes, m, "previous");
                break;
            }
            case 2:
            case 3: {
                const auto result = nodes.next();
                const auto expected = m.to >= NodeList::kMaxNode ? NodeList::StepResult::AtMaxNode
                                      : m.end && m.to >= *m.end  ? NodeList::StepResult::Stayed
                                                                 : NodeList::StepResult::Moved;
                require(result == expected, "next moves wrongly", "next");
                if (expected == NodeList::StepResult::Moved) ++m.to;
                require_same(nodes, m, "next");
                break;
            }
            default: {
                const vxr::calc::PipeBasics pipe{vxr::fuzz::field_text(in), vxr::fuzz::field_text(in),
                                                 vxr::fuzz::field_text(in), vxr::fuzz::field_text(in)};
                const auto a = vxr::calc::assess_flexibility(pipe, nodes);
                require_same(nodes, m, "the assessment changed the node list");
                using Status = vxr::calc::FlexibilityAssessment::Status;
                require((a.status == Status::NoEndNode) == !m.end, "end node reported wrongly", "assess");
                if (!m.end) break;
                const int expected = expected_verdict(m, pipe);
                if (a.status == Status::Done) {
                    require(std::isfinite(a.ratio), "ratio not finite", "assess");
                    require(a.verdict == (a.ratio <= 208.3 ? vxr::calc::kSuitable : vxr::calc::kNotSuitable),
                            "verdict does not follow the ratio", "assess");
                    require(expected < 0 || expected == (a.ratio <= 208.3), "verdict against the criterion",
                            pipe.diameter + " " + pipe.expansion + " " + pipe.t_max + " " + pipe.t_min);
                } else {
                    require(expected < 0, "refused a route the criterion can judge",
                            pipe.diameter + " " + pipe.expansion + " " + pipe.t_max + " " + pipe.t_min);
                }
                break;
            }
        }
    }
    return 0;
}
