// Pipe sizing: the nominal diameter at each standard size and just above it, worked sections, refusals that size no
// section, and the notes of the two rules that choose a size (the table up to 500 mm, the next 50 mm above it).
#include <cmath>

#include "calc/case_support.h"
#include "calc/hydraulics/pipe_diameter.h"

namespace vxr::test {

// A size takes itself and every bore above the size before it; above DN500 the next multiple of 50 strictly above.
TEST(PipeDiameter, NominalDiameterAtAndJustAboveEachSize) {
    const double sizes[] = {15, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150, 200, 250, 300, 350, 400, 450, 500, 550};
    EXPECT_EQ(calc::nominal_diameter(0), 15);
    for (std::size_t i = 0; i + 1 < std::size(sizes); ++i) {
        EXPECT_EQ(calc::nominal_diameter(sizes[i]), sizes[i]) << sizes[i];
        EXPECT_EQ(calc::nominal_diameter(std::nextafter(sizes[i], 1e9)), sizes[i + 1]) << "just above " << sizes[i];
    }
    for (const auto& [d, dn] : {std::pair{549.9, 550.0}, {550.0, 600.0}, {594.5, 600.0}, {12345.0, 12350.0}})
        EXPECT_EQ(calc::nominal_diameter(d), dn) << d;
}

// Section 2 typed, sections 1 and 3 at their defaults: a section sized from another's fields shows. One bad section
// sizes none, wherever it stands; a text that is no number is named, the first in reading order.
TEST(PipeDiameter, WorkedCasesAndRefusals) {
    // No series chosen: the six pipe results stay empty.
    const std::string one = "121.353478181166 | 125 | ", three = " | 66.4680374315355 | 80 |  |  |  |  |  | ";
    const std::string none = "请仔细核对数据！ @ none", named = "请仔细核对数据！ @ ";
    expect_shown("pipeDiameter",
                 {{"no flow", {{"Text10", "0"}, {"Text9", "1"}}, one + "0 | 15" + three},
                  {"the factor alone", {{"Text10", "1"}, {"Text9", "1"}}, one + "18.8 | 20" + three},
                  {"both negative", {{"Text10", "-50"}, {"Text9", "-1.2"}}, one + "121.353478181166 | 125" + three},
                  {"exactly 500 mm", {{"Text10", "707.3336351290176"}, {"Text9", "1"}}, one + "500 | 500" + three},
                  {"just above 500 mm", {{"Text10", "707.34"}, {"Text9", "1"}}, one + "500.002249594939 | 550" + three},
                  {"flow against velocity in section 2", {{"Text10", "-50"}}, none},
                  {"flow against velocity in section 3", {{"Text15", "-2"}}, none},
                  {"no velocity", {{"Text9", "0"}}, none},
                  {"an overflow", {{"Text16", "1e308"}, {"Text15", "1e-308"}}, none},
                  {"an empty flow", {{"Text10", ""}}, named + "Text10"},
                  {"a decimal comma", {{"Text16", "1,5"}}, named + "Text16"},
                  {"section 1 before section 2", {{"Text10", "y"}, {"Text4", "x"}}, named + "Text4"}});
}

TEST(PipeDiameter, NotesOutline) {
    EXPECT_EQ(outline(run("pipeDiameter")), "d / d, DN12 / d / d, DN10 / d / d, DN80 /  /  /  /  /  / ");
    EXPECT_EQ(notes(run("pipeDiameter"), 1).at(0), "d = 18.8·√(Q/u) = 18.8 × √(50 / 1.2) = 121.353478181166 mm");
    for (const auto& [q, why] : {std::pair{"707.3336351290176", "DN500：标准管径表中不小于 d 的最小一档"},
                                 {"707.34", "DN550：d > 500 mm，取大于 d 的下一个 50 mm 整倍数"}})
        EXPECT_EQ(notes(run("pipeDiameter", {{"Text10", q}, {"Text9", "1"}}), 3).at(1), why) << q;
}

}  // namespace vxr::test
