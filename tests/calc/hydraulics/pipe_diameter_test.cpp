// Pipe sizing: inside diameters and the nominal diameter each one gets.
#include "calc/hydraulics/pipe_diameter.h"

#include <gtest/gtest.h>

namespace vxr::calc {
namespace {

struct Sized {
    const char* flow;
    const char* velocity;
    const char* inside;
    const char* nominal;
};

// Each case in section 2, with known-good sections around it.
PipeSections with_middle(const char* flow, const char* velocity) {
    return {{{"50", "1.2"}, {flow, velocity}, {"25", "2"}}};
}

TEST(PipeDiameter, DefaultsSizeAllThreeSections) {
    const auto sizes = size_pipes({{{"50", "1.2"}, {"30", "1.5"}, {"25", "2"}}});
    ASSERT_TRUE(sizes);
    EXPECT_EQ((*sizes)[0].inside_diameter, "121.353478181166");
    EXPECT_EQ((*sizes)[0].nominal_diameter, "125");
    EXPECT_EQ((*sizes)[1].inside_diameter, "84.0761559539921");
    EXPECT_EQ((*sizes)[1].nominal_diameter, "100");
    EXPECT_EQ((*sizes)[2].inside_diameter, "66.4680374315355");
    EXPECT_EQ((*sizes)[2].nominal_diameter, "80");
}

TEST(PipeDiameter, SizesAndNominalDiameters) {
    const Sized cases[] = {
        {"0", "1", "0", "15"},
        {"1", "1", "18.8", "20"},
        {"100", "1", "188", "200"},
        {"200", "0.5", "376", "400"},
        {"1000", "1", "594.508200111655", "600"},
        {"2000", "1", "840.761559539921", "850"},
        {"-50", "-1.2", "121.353478181166", "125"},
        {"0.7", "1", "15.7292084988406", "20"},  // between two rows of the table: the next size up
        {" 50 ", "1.2", "121.353478181166", "125"},
        {"１", "１", "18.8", "20"},
    };
    for (const auto& c : cases) {
        const auto sizes = size_pipes(with_middle(c.flow, c.velocity));
        ASSERT_TRUE(sizes) << c.flow << " / " << c.velocity;
        EXPECT_EQ((*sizes)[1].inside_diameter, c.inside) << c.flow << " / " << c.velocity;
        EXPECT_EQ((*sizes)[1].nominal_diameter, c.nominal) << c.flow << " / " << c.velocity;
        EXPECT_EQ((*sizes)[0].nominal_diameter, "125");  // each section keeps its own size
    }
}

TEST(PipeDiameter, NominalDiameterTable) {
    const std::pair<double, double> cases[] = {
        {0, 15},      {15, 15},     {15.0001, 20},  {15.7, 20},   {16, 20},     {20, 20},     {20.5, 25},
        {25.5, 32},   {32.5, 40},   {40.5, 50},     {50.5, 65},   {65.5, 80},   {80.5, 100},  {100.5, 125},
        {125.5, 150}, {150.5, 200}, {200.5, 250},   {250.5, 300}, {300.5, 350}, {350.5, 400}, {400.5, 450},
        {450.5, 500}, {500, 500},   {500.5, 550},   {501, 550},   {549.9, 550}, {550, 600},   {594.5, 600},
        {600, 650},   {840.8, 850}, {12345, 12350},
    };
    for (const auto& [d, dn] : cases) EXPECT_EQ(nominal_diameter(d), dn) << d;
}

TEST(PipeDiameter, AnyBadInputSizesNothing) {
    const char* bad[][2] = {{"-50", "1.2"}, {"50", "0"},  {"", "1.2"},         {"50", ""},  {"abc", "1"},
                            {"1.2.3", "1"}, {"1,5", "1"}, {"1e308", "1e-308"}, {"50", "-0"}};
    for (const auto& b : bad) {
        EXPECT_FALSE(size_pipes(with_middle(b[0], b[1]))) << b[0] << " / " << b[1];
        EXPECT_FALSE(size_pipes({{{b[0], b[1]}, {"30", "1.5"}, {"25", "2"}}})) << b[0] << " / " << b[1];
        EXPECT_FALSE(size_pipes({{{"50", "1.2"}, {"30", "1.5"}, {b[0], b[1]}}})) << b[0] << " / " << b[1];
    }
}

}  // namespace
}  // namespace vxr::calc
