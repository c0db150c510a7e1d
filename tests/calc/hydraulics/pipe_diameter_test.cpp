#include "calc/hydraulics/pipe_diameter.h"
#include <gtest/gtest.h>
#include "calc/outcome_support.h"

using namespace vxr;
TEST(PipeDiameter, SizesNominalDiametersAndNotes) {
    // clang-format off
    // Each case in section 2, between known-good sections that keep their own sizes; between two sizes, the next up.
    const auto middle = [](auto q, auto u) { return calc::size_pipes({{{"50", "1.2"}, {q, u}, {"25", "2"}}}); };
    const char* cases[][4] = {{"30", "1.5", "84.0761559539921", "100"}, {"0", "1", "0", "15"}, {"1", "1", "18.8", "20"},
        {"2000", "1", "840.761559539921", "850"}, {"-50", "-1.2", "121.353478181166", "125"},
        {"0.7", "1", "15.7292084988406", "20"}, {"１", "１", "18.8", "20"}};
    for (const auto& c : cases)
        EXPECT_EQ(test::results(middle(c[0], c[1])).value_or(std::vector<std::string>(6)),
                  (std::vector<std::string>{"121.353478181166", "125", c[2], c[3], "66.4680374315355", "80"})) << c[0];
    EXPECT_EQ(test::notes(middle("30", "1.5"), 1),
              "d = 18.8·√(Q/u) = 18.8 × √(50 / 1.2) = 121.353478181166 mm / DN125：标准管径表中不小于 d 的最小一档");
    EXPECT_EQ(test::notes(middle("2000", "1"), 3), "d = 18.8·√(Q/u) = 18.8 × √(2000 / 1) = 840.761559539921 mm / "
                                                   "DN850：d > 500 mm，取大于 d 的下一个 50 mm 整倍数");
    const std::pair<double, double> nominal[] = {{0, 15}, {15, 15}, {15.0001, 20}, {20.5, 25}, {80.5, 100},
        {100.5, 125}, {450.5, 500}, {500, 500}, {500.5, 550}, {549.9, 550}, {550, 600}, {12345, 12350}};
    for (const auto& [d, dn] : nominal) EXPECT_EQ(calc::nominal_diameter(d), dn) << d;
    // Any bad input, in the middle or the last section, sizes nothing.
    const auto last = [](auto q, auto u) { return calc::size_pipes({{{"50", "1.2"}, {"30", "1.5"}, {q, u}}}); };
    for (const auto& [q, u] : {std::pair{"-50", "1.2"}, {"50", "0"}, {"", "1.2"}, {"1,5", "1"}, {"1e308", "1e-308"}})
        EXPECT_FALSE(test::results(middle(q, u)) || test::results(last(q, u))) << q << " " << u;
}
