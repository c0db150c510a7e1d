// The manual's worked examples are tests: every ```vxr-example block of docs/manual is run through the core, and
// every result it states must be what the page shows for those inputs, so the manual cannot drift from the program.
//
// A block holds `objectName = text` lines: inputs (unlisted ones keep their defaults), an option chosen as
// `name = 1`, on the pipe-stress page `segment = L, LX, LY, LZ` (the last segment ends the route), on the pipe-sizing
// page `pipeSeries = <a built-in series>`, then the results (one added since that the case does not give, left out).
// The chapter of a calculation is named by its page, docs/manual/<calculation>Page.md.
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "calc/case_support.h"

namespace vxr::test {
namespace {

struct Line {
    int number;
    std::string name, text;
};
using Block = std::vector<Line>;

std::string trim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t\r");
    return first == std::string_view::npos ? "" : std::string(s.substr(first, s.find_last_not_of(" \t\r") - first + 1));
}

// The example blocks of a chapter, or none where the file cannot be read.
std::vector<Block> examples(const std::filesystem::path& chapter) {
    std::ifstream file(chapter);
    std::vector<Block> blocks;
    std::string line;
    bool inside = false;
    for (int number = 1; std::getline(file, line); ++number) {
        if (trim(line).starts_with("```")) {
            inside = !inside && trim(line) == "```vxr-example";
            if (inside) blocks.emplace_back();
        } else if (inside) {
            const std::size_t equals = line.find('=');
            blocks.back().push_back({number, trim(line.substr(0, equals)),
                                     equals == std::string::npos ? "" : trim(line.substr(equals + 1))});
        }
    }
    return blocks;
}

std::filesystem::path chapterOf(const calc::Calculation& c) {
    return std::filesystem::path(VXR_MANUAL_DIR) / (std::string(c.name()) + "Page.md");
}

// A segment line's four texts, "10, 0, 10, 0".
calc::SegmentTexts segmentOf(const std::string& text) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, ',');) parts.push_back(trim(part));
    parts.resize(4);
    return {parts[0], parts[1], parts[2], parts[3]};
}

// Every chapter has a block; each names only fields of its page's table, states every result once, and the core
// shows exactly those.
TEST(ManualExamples, AgreeWithTheCore) {
    for (const calc::Calculation& c : calc::calculations()) {
        EXPECT_FALSE(examples(chapterOf(c)).empty()) << chapterOf(c) << " has no vxr-example block";
        for (const Block& block : examples(chapterOf(c))) {
            const std::string where = chapterOf(c).filename().string() + ":" + std::to_string(block.front().number);
            calc::Case k = c.defaults();
            std::map<std::string, std::string> stated;  // result name → text
            for (const Line& l : block) {
                const frame::Field* f = c.field(l.name);
                if (l.name == "pipeSeries") {
                    const calc::PipeSeries* s = calc::find_builtin_series(l.text);
                    EXPECT_NE(s, nullptr) << where << ": no series " << l.text;
                    if (s) k.pipe_series = *s;
                } else if (l.name == "segment") {
                    k.route.segments.push_back(segmentOf(l.text));
                    k.route.end = static_cast<int>(k.route.segments.size());
                } else if (f && f->kind == frame::Kind::Result) {
                    EXPECT_TRUE(stated.emplace(l.name, l.text).second) << where << ": " << l.name << " twice";
                } else {
                    EXPECT_TRUE(c.set(k, l.name, l.text)) << where << ": line " << l.number << " names " << l.name;
                }
            }
            const calc::Answer answer = c.run(k);
            ASSERT_TRUE(std::holds_alternative<frame::Explained>(answer)) << where << ": " << shown(answer);
            const auto& results = std::get<frame::Explained>(answer).results;
            std::size_t n = 0;
            for (const frame::Field& f : c.fields()) {
                if (f.kind != frame::Kind::Result) continue;
                const auto it = stated.find(f.name);
                const std::string& got = results.at(n++).text;
                if (it != stated.end()) {
                    EXPECT_EQ(got, it->second) << where << ": " << f.name;
                } else if (!f.absent || got != f.absent) {
                    ADD_FAILURE() << where << ": the result " << f.name << " is not stated";
                }
            }
        }
    }
}

}  // namespace
}  // namespace vxr::test
