// Pipe sizing: inside diameters, the nominal diameter each one gets, and the notes that say why.
#include "calc/hydraulics/pipe_diameter.h"

#include <gtest/gtest.h>

#include "calc/outcome_support.h"

namespace vxr::calc {
namespace {

// Each case in section 2, with known-good sections around it.
PipeSections with_middle(const char* flow, const char* velocity) {
    return {{{"50", "1.2"}, {flow, velocity}, {"25", "2"}}};
}

TEST(PipeDiameter, DefaultsSizeAllThreeSections) {
    const auto sizes = size_pipes({{{"50", "1.2"}, {"30", "1.5"}, {"25", "2"}}});
    EXPECT_EQ(test::texts(sizes), (std::vector<std::string>{"121.353478181166", "125", "84.0761559539921", "100",
                                                            "66.4680374315355", "80"}));
    EXPECT_EQ(test::notes(sizes, 1),
              "d = 18.8·√(Q/u) = 18.8 × √(50 / 1.2) = 121.353478181166 mm / DN125：标准管径表中不小于 d 的最小一档");
}

TEST(PipeDiameter, SizesAndNominalDiameters) {
    const char* cases[][4] = {
        {"0", "1", "0", "15"},
        {"1", "1", "18.8", "20"},
        {"2000", "1", "840.761559539921", "850"},
        {"-50", "-1.2", "121.353478181166", "125"},
        {"0.7", "1", "15.7292084988406", "20"},  // between two rows of the table: the next size up
        {"１", "１", "18.8", "20"},
    };
    for (const auto& c : cases) {
        const auto sizes = size_pipes(with_middle(c[0], c[1]));
        EXPECT_EQ(test::shown(sizes, 2), c[2]) << c[0] << " / " << c[1];
        EXPECT_EQ(test::shown(sizes, 3), c[3]) << c[0] << " / " << c[1];
        EXPECT_EQ(test::shown(sizes, 1), "125");  // each section keeps its own size
    }
    EXPECT_EQ(test::notes(size_pipes(with_middle("2000", "1")), 3),
              "d = 18.8·√(Q/u) = 18.8 × √(2000 / 1) = 840.761559539921 mm / DN850：d > 500 mm，取大于 d 的下一个 50 "
              "mm 整倍数");
}

TEST(PipeDiameter, NominalDiameterTable) {
    const std::pair<double, double> cases[] = {
        {0, 15},      {15, 15},   {15.0001, 20}, {20.5, 25},   {80.5, 100}, {100.5, 125},
        {450.5, 500}, {500, 500}, {500.5, 550},  {549.9, 550}, {550, 600},  {12345, 12350},
    };
    for (const auto& [d, dn] : cases) EXPECT_EQ(nominal_diameter(d), dn) << d;
}

TEST(PipeDiameter, AnyBadInputSizesNothing) {
    const char* bad[][2] = {{"-50", "1.2"}, {"50", "0"}, {"", "1.2"}, {"1,5", "1"}, {"1e308", "1e-308"}};
    for (const auto& b : bad) {
        EXPECT_TRUE(test::texts(size_pipes(with_middle(b[0], b[1]))).empty()) << b[0] << " / " << b[1];
        EXPECT_TRUE(test::texts(size_pipes({{{"50", "1.2"}, {"30", "1.5"}, {b[0], b[1]}}})).empty()) << b[0];
    }
}

}  // namespace
}  // namespace vxr::calc
