// Pipe series: rows written out from the standards' tables, sizes a schedule does not have, the shape of every
// schedule, the pipe sizing with a series (the smallest bore that takes d, the pipe's own velocity, a d beyond the
// largest bore refused) and a user's series refused for each reason.
#include <gtest/gtest.h>

#include "calc/case_support.h"
#include "calc/catalogue.h"
#include "calc/hydraulics/pipe_tables.h"

namespace vxr::test {
namespace {

const calc::PipeSeries& series(const char* name) {
    const calc::PipeSeries* s = calc::find_builtin_series(name);
    EXPECT_NE(s, nullptr) << name;
    static const calc::PipeSeries none;
    return s ? *s : none;
}

// The pipe sizing on its defaults with `typed` and the series named `name`.
calc::Answer sized(const char* name, const Typed& typed) {
    const calc::Calculation* c = calc::find_calculation("pipeDiameter");
    calc::Case k = c->defaults();
    for (const auto& [field, text] : typed) EXPECT_TRUE(c->set(k, field, text)) << field;
    k.pipe_series = series(name);
    return c->run(k);
}

}  // namespace

// ASME B36.10M-2015 Table 1 and ASME B36.19M-2004 Table 1, in mm; a size a schedule does not have is absent, never
// zero, and the sizes just beside it are there.
TEST(PipeTables, RowsAsTheStandardsTabulateThem) {
    for (const auto& [name, dn, nps, pipe, bore] : {std::tuple{"ASME B36.10M Sch 40", 100.0, "4", "114.3×6.02", 102.26},
                                                    {"ASME B36.10M XXS", 15.0, "1/2", "21.3×7.47", 6.36},
                                                    {"ASME B36.10M Sch 160", 600.0, "24", "610×59.54", 490.92},
                                                    {"ASME B36.10M Sch 80", 250.0, "10", "273.0×15.09", 242.82},
                                                    {"ASME B36.10M STD", 350.0, "14", "355.6×9.53", 336.54},
                                                    {"ASME B36.10M Sch 30", 6.0, "1/8", "10.3×1.45", 7.4},
                                                    {"ASME B36.19M Sch 10S", 250.0, "10", "273.1×4.19", 264.72},
                                                    {"ASME B36.19M Sch 5S", 50.0, "2", "60.3×1.65", 57.0},
                                                    {"ASME B36.19M Sch 80S", 300.0, "12", "323.9×12.70", 298.5},
                                                    {"ASME B36.19M Sch 40S", 6.0, "1/8", "10.3×1.73", 6.84}}) {
        const calc::PipeSize* size = series(name).find(dn);
        ASSERT_NE(size, nullptr) << name << " DN" << dn;
        EXPECT_EQ(size->nps + " " + size->pipe(), std::string(nps) + " " + pipe) << name;
        EXPECT_NEAR(size->bore_mm(), bore, 1e-9) << name;
    }
    EXPECT_EQ(series("ASME B36.10M Sch 40").describe(*series("ASME B36.10M Sch 40").find(100)),
              "ASME B36.10M DN100 Sch 40 114.3×6.02");
    for (const auto& [name, absent, present] : {std::tuple{"ASME B36.10M Sch 40", 550.0, 600.0},
                                                {"ASME B36.10M XXS", 90.0, 100.0},
                                                {"ASME B36.10M XXS", 350.0, 300.0},
                                                {"ASME B36.10M Sch 160", 90.0, 80.0},
                                                {"ASME B36.10M Sch 20", 150.0, 200.0},
                                                {"ASME B36.10M Sch 120", 90.0, 100.0},
                                                {"ASME B36.19M Sch 5S", 10.0, 15.0},
                                                {"ASME B36.19M Sch 80S", 550.0, 500.0}}) {
        EXPECT_EQ(series(name).find(absent), nullptr) << name << " DN" << absent;
        EXPECT_NE(series(name).find(present), nullptr) << name << " DN" << present;
    }
}

TEST(PipeTables, EveryScheduleIsAPipeTable) {
    const auto& all = calc::builtin_pipe_series();
    ASSERT_EQ(all.size(), 17u);
    EXPECT_EQ(all.front().name, "ASME B36.10M Sch 10");
    EXPECT_EQ(all.back().name, "ASME B36.19M Sch 80S");
    for (const calc::PipeSeries& s : all) {
        ASSERT_FALSE(s.sizes.empty()) << s.name;
        EXPECT_GE(s.sizes.front().dn, 6) << s.name;
        EXPECT_EQ(s.sizes.back().dn, s.name == "ASME B36.10M XXS" ? 300 : 600) << s.name;
        for (std::size_t i = 0; i < s.sizes.size(); ++i) {
            const calc::PipeSize& z = s.sizes[i];
            EXPECT_TRUE(z.wall_mm > 0 && z.wall_mm < z.od_mm / 2) << s.name << " DN" << z.dn;
            EXPECT_TRUE(i == 0 || (z.dn > s.sizes[i - 1].dn && z.bore_mm() > s.sizes[i - 1].bore_mm()))
                << s.name << " DN" << z.dn;
        }
    }
}

// d 121.3535 mm (50 m³/h at 1.2 m/s) and 63.9937 mm (17.38 m³/h at 1.5 m/s): a DN whose bore is short of d is
// passed over (DN65 Sch 40, 62.68 mm).
TEST(PipeTables, SizingWithASeries) {
    // Sch 40 on this case, and Sch 80 on the defaults, are the manual's worked examples (every result checked there).
    const Typed typed = {{"Text10", "17.38"}, {"Text9", "1.5"}};
    EXPECT_EQ(notes(sized("ASME B36.10M Sch 40", typed), 1).at(1),
              "DN125：ASME B36.10M Sch 40 中内径不小于 d 的最小一档，141.3×6.55，内径 D = 128.20 mm");
    EXPECT_EQ(notes(sized("ASME B36.10M Sch 40", typed), 7).at(0),
              "u′ = Q/(3600·π·D²/4) = 50 / (3600 × π × 0.1282² / 4) = 1.07597 m/s");
    // Section 3 beyond the largest bore of XXS (DN300, 273 mm), then just within it.
    const std::string beyond = shown(sized("ASME B36.10M XXS", {{"Text16", "211"}, {"Text15", "1"}}));
    EXPECT_TRUE(beyond.ends_with("。 @ Text16")) << beyond;
    EXPECT_NE(beyond.find("管段 3 的计算管内径 273.086 mm 大于“ASME B36.10M XXS”的最大内径 273 mm（DN300）"),
              std::string::npos)
        << beyond;
    EXPECT_EQ(shown(sized("ASME B36.10M XXS", {{"Text16", "210.8"}, {"Text15", "1"}})).find("@"), std::string::npos);
}

// What a user's series shows: "accepted 0", or the refusal with the row and column at fault ("… 2:1").
TEST(PipeTables, UserSeriesRefused) {
    using Rows = std::vector<calc::PipeRowText>;
    const Rows good = {{"50", "57", "3.5"}, {"65", "76", "4"}, {"80", "89", "4"}};
    const auto with = [&](std::size_t i, calc::PipeRowText r) {
        Rows rows = good;
        rows[i] = r;
        return rows;
    };
    const std::string order = " 必须大于上一行的 DN（按从小到大排列，不得重复）。",
                      wall = "的壁厚必须大于 0 且小于外径的一半。";
    for (const auto& [what, name, rows, expected] :
         std::initializer_list<std::tuple<const char*, const char*, Rows, std::string>>{
             {"accepted", "HG/T 20553 Ⅰ系列", good, "accepted 0"},
             {"empty name", "  ", good, "请填写管材表的名称。 0:0"},
             {"a built-in name", "ASME B36.10M Sch 40", good,
              "“ASME B36.10M Sch 40”是内置管材表的名称，请另取一个名称。 0:0"},
             {"no rows", "mine", {}, "管材表至少要有一行。 0:0"},
             {"not a number", "mine", with(1, {"65", "76x", "4"}), "第 2 行的“外径”不是数字。 2:1"},
             {"DN repeated", "mine", with(1, {"50", "76", "4"}), "第 2 行的 DN" + order + " 2:0"},
             {"DN falling", "mine", with(2, {"64.9", "89", "4"}), "第 3 行的 DN" + order + " 3:0"},
             {"OD zero", "mine", with(0, {"50", "0", "3.5"}), "第 1 行的外径必须大于 0。 1:1"},
             {"wall zero", "mine", with(2, {"80", "89", "0"}), "第 3 行" + wall + " 3:2"},
             {"wall half the OD", "mine", with(2, {"80", "89", "44.5"}), "第 3 行" + wall + " 3:2"},
             {"wall just under half", "mine", with(2, {"80", "89", "44.49"}), "accepted 0"}}) {
        const calc::CheckedSeries got = calc::check_user_series(name, rows);
        EXPECT_EQ((got.series ? "accepted " : got.refusal + " ") + std::to_string(got.row) +
                      (got.refusal.empty() ? "" : ":" + std::to_string(got.column)),
                  expected)
            << what;
    }
}

}  // namespace vxr::test
