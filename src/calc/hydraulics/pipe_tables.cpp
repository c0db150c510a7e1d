#include "calc/hydraulics/pipe_tables.h"

#include <array>
#include <cmath>

#include "frame/number_text.h"
#include "frame/numeric_text.h"

namespace vxr::calc {
namespace {

// One nominal size across every schedule: its walls in mm as the standards tabulate them, "" where a schedule has
// no such size. The outside diameters of B36.19M differ from B36.10M's at NPS 10 and 12 only (273.1 and 323.9 for
// 273.0 and 323.8: the same inch sizes rounded anew).
struct Row {
    const char* nps;
    int dn;
    const char* od_10m;
    const char* od_19m;
    std::array<const char*, 17> walls;
};

constexpr const char* kStandard10M = "ASME B36.10M";
constexpr const char* kStandard19M = "ASME B36.19M";
// The columns of `Row::walls`: B36.10M's 13 designations, then B36.19M's 4.
constexpr std::array<const char*, 17> kSchedules = {"Sch 10", "Sch 20", "Sch 30",  "STD",     "Sch 40",  "Sch 60",
                                                    "XS",     "Sch 80", "Sch 100", "Sch 120", "Sch 140", "Sch 160",
                                                    "XXS",    "Sch 5S", "Sch 10S", "Sch 40S", "Sch 80S"};
constexpr std::size_t kFirst19M = 13;

// clang-format off
constexpr Row kRows[] = {
    //                          10      20      30       STD     40      60      XS      80      100     120     140     160     XXS      5S      10S     40S     80S
    {"1/8",    6,  "10.3",  "10.3",  {"1.24", "",     "1.45",  "1.73", "1.73", "",     "2.41", "2.41", "",     "",     "",     "",     "",      "",     "1.24", "1.73", "2.41"}},
    {"1/4",    8,  "13.7",  "13.7",  {"1.65", "",     "1.85",  "2.24", "2.24", "",     "3.02", "3.02", "",     "",     "",     "",     "",      "",     "1.65", "2.24", "3.02"}},
    {"3/8",    10, "17.1",  "17.1",  {"1.65", "",     "1.85",  "2.31", "2.31", "",     "3.20", "3.20", "",     "",     "",     "",     "",      "",     "1.65", "2.31", "3.20"}},
    {"1/2",    15, "21.3",  "21.3",  {"2.11", "",     "2.41",  "2.77", "2.77", "",     "3.73", "3.73", "",     "",     "",     "4.78", "7.47",  "1.65", "2.11", "2.77", "3.73"}},
    {"3/4",    20, "26.7",  "26.7",  {"2.11", "",     "2.41",  "2.87", "2.87", "",     "3.91", "3.91", "",     "",     "",     "5.56", "7.82",  "1.65", "2.11", "2.87", "3.91"}},
    {"1",      25, "33.4",  "33.4",  {"2.77", "",     "2.90",  "3.38", "3.38", "",     "4.55", "4.55", "",     "",     "",     "6.35", "9.09",  "1.65", "2.77", "3.38", "4.55"}},
    {"1-1/4",  32, "42.2",  "42.2",  {"2.77", "",     "2.97",  "3.56", "3.56", "",     "4.85", "4.85", "",     "",     "",     "6.35", "9.70",  "1.65", "2.77", "3.56", "4.85"}},
    {"1-1/2",  40, "48.3",  "48.3",  {"2.77", "",     "3.18",  "3.68", "3.68", "",     "5.08", "5.08", "",     "",     "",     "7.14", "10.15", "1.65", "2.77", "3.68", "5.08"}},
    {"2",      50, "60.3",  "60.3",  {"2.77", "",     "3.18",  "3.91", "3.91", "",     "5.54", "5.54", "",     "",     "",     "8.74", "11.07", "1.65", "2.77", "3.91", "5.54"}},
    {"2-1/2",  65, "73.0",  "73.0",  {"3.05", "",     "4.78",  "5.16", "5.16", "",     "7.01", "7.01", "",     "",     "",     "9.53", "14.02", "2.11", "3.05", "5.16", "7.01"}},
    {"3",      80, "88.9",  "88.9",  {"3.05", "",     "4.78",  "5.49", "5.49", "",     "7.62", "7.62", "",     "",     "",     "11.13","15.24", "2.11", "3.05", "5.49", "7.62"}},
    {"3-1/2",  90, "101.6", "101.6", {"3.05", "",     "4.78",  "5.74", "5.74", "",     "8.08", "8.08", "",     "",     "",     "",     "",      "2.11", "3.05", "5.74", "8.08"}},
    {"4",      100, "114.3", "114.3", {"3.05", "",    "4.78",  "6.02", "6.02", "",     "8.56", "8.56", "",     "11.13","",     "13.49","17.12", "2.11", "3.05", "6.02", "8.56"}},
    {"5",      125, "141.3", "141.3", {"3.40", "",    "",      "6.55", "6.55", "",     "9.53", "9.53", "",     "12.70","",     "15.88","19.05", "2.77", "3.40", "6.55", "9.53"}},
    {"6",      150, "168.3", "168.3", {"3.40", "",    "",      "7.11", "7.11", "",     "10.97","10.97","",     "14.27","",     "18.26","21.95", "2.77", "3.40", "7.11", "10.97"}},
    {"8",      200, "219.1", "219.1", {"3.76", "6.35", "7.04", "8.18", "8.18", "10.31","12.70","12.70","15.09","18.26","20.62","23.01","22.23", "2.77", "3.76", "8.18", "12.70"}},
    {"10",     250, "273.0", "273.1", {"4.19", "6.35", "7.80", "9.27", "9.27", "12.70","12.70","15.09","18.26","21.44","25.40","28.58","25.40", "3.40", "4.19", "9.27", "12.70"}},
    {"12",     300, "323.8", "323.9", {"4.57", "6.35", "8.38", "9.53", "10.31","14.27","12.70","17.48","21.44","25.40","28.58","33.32","25.40", "3.96", "4.57", "9.53", "12.70"}},
    {"14",     350, "355.6", "355.6", {"6.35", "7.92", "9.53", "9.53", "11.13","15.09","12.70","19.05","23.83","27.79","31.75","35.71","",      "3.96", "4.78", "9.53", "12.70"}},
    {"16",     400, "406.4", "406.4", {"6.35", "7.92", "9.53", "9.53", "12.70","16.66","12.70","21.44","26.19","30.96","36.53","40.49","",      "4.19", "4.78", "9.53", "12.70"}},
    {"18",     450, "457",   "457",   {"6.35", "7.92", "11.13","9.53", "14.27","19.05","12.70","23.83","29.36","34.93","39.67","45.24","",      "4.19", "4.78", "9.53", "12.70"}},
    {"20",     500, "508",   "508",   {"6.35", "9.53", "12.70","9.53", "15.09","20.62","12.70","26.19","32.54","38.10","44.45","50.01","",      "4.78", "5.54", "9.53", "12.70"}},
    {"22",     550, "559",   "559",   {"6.35", "9.53", "12.70","9.53", "",     "22.23","12.70","28.58","34.93","41.28","47.63","53.98","",      "4.78", "5.54", "",     ""}},
    {"24",     600, "610",   "610",   {"6.35", "9.53", "14.27","9.53", "17.48","24.61","12.70","30.96","38.89","46.02","52.37","59.54","",      "5.54", "6.35", "9.53", "12.70"}},
};
// clang-format on

double tabulated(const char* text) {
    return *frame::parse_number(text);
}

std::vector<PipeSeries> build() {
    std::vector<PipeSeries> all;
    for (std::size_t s = 0; s < kSchedules.size(); ++s) {
        const bool b19 = s >= kFirst19M;
        PipeSeries series;
        series.standard = b19 ? kStandard19M : kStandard10M;
        // B36.10M writes its numbered schedules "Sch 40", its weights bare ("STD"); B36.19M's are "Sch 40S".
        series.schedule = kSchedules[s];
        series.name = series.standard + " " + series.schedule;
        for (const Row& row : kRows) {
            const char* wall = row.walls[s];
            if (*wall == '\0') continue;
            const char* od = b19 ? row.od_19m : row.od_10m;
            series.sizes.push_back({static_cast<double>(row.dn), row.nps, od, wall, tabulated(od), tabulated(wall)});
        }
        all.push_back(std::move(series));
    }
    return all;
}

std::string dn_text(double dn) {
    return "DN" + frame::plain(dn);
}

}  // namespace

std::string PipeSeries::describe(const PipeSize& size) const {
    if (built_in()) return standard + " " + dn_text(size.dn) + " " + schedule + " " + size.pipe();
    return name + " " + dn_text(size.dn) + " " + size.pipe();
}

const PipeSize* PipeSeries::smallest_taking(double d_mm) const {
    for (const PipeSize& size : sizes)
        if (size.bore_mm() >= d_mm) return &size;
    return nullptr;
}

const PipeSize* PipeSeries::find(double dn) const {
    for (const PipeSize& size : sizes)
        if (size.dn == dn) return &size;
    return nullptr;
}

const std::vector<PipeSeries>& builtin_pipe_series() {
    static const std::vector<PipeSeries> all = build();
    return all;
}

const PipeSeries* find_builtin_series(std::string_view name) {
    for (const PipeSeries& series : builtin_pipe_series())
        if (series.name == name) return &series;
    return nullptr;
}

CheckedSeries check_user_series(std::string_view name, const std::vector<PipeRowText>& rows) {
    CheckedSeries out;
    const auto refuse = [&](std::string why, int row, int column) {
        out.refusal = std::move(why);
        out.row = row;
        out.column = column;
        return out;
    };
    std::string trimmed(name);
    while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t')) trimmed.pop_back();
    trimmed.erase(0, trimmed.find_first_not_of(" \t"));
    if (trimmed.empty()) return refuse("请填写管材表的名称。", 0, 0);
    if (find_builtin_series(trimmed)) return refuse("“" + trimmed + "”是内置管材表的名称，请另取一个名称。", 0, 0);
    if (rows.empty()) return refuse("管材表至少要有一行。", 0, 0);
    static constexpr const char* kColumns[] = {"DN", "外径", "壁厚"};
    PipeSeries series;
    series.name = trimmed;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        const std::string* cells[] = {&rows[i].dn, &rows[i].od, &rows[i].wall};
        double v[3];
        for (int c = 0; c < 3; ++c) {
            const auto n = frame::parse_number(*cells[c]);
            if (!n || !std::isfinite(*n))
                return refuse("第 " + std::to_string(r) + " 行的“" + kColumns[c] + "”不是数字。", r, c);
            v[c] = *n;
        }
        if (v[0] <= 0) return refuse("第 " + std::to_string(r) + " 行的 DN 必须大于 0。", r, 0);
        if (!series.sizes.empty() && v[0] <= series.sizes.back().dn)
            return refuse("第 " + std::to_string(r) + " 行的 DN 必须大于上一行的 DN（按从小到大排列，不得重复）。", r,
                          0);
        if (v[1] <= 0) return refuse("第 " + std::to_string(r) + " 行的外径必须大于 0。", r, 1);
        if (v[2] <= 0 || v[2] >= v[1] / 2)
            return refuse("第 " + std::to_string(r) + " 行的壁厚必须大于 0 且小于外径的一半。", r, 2);
        series.sizes.push_back({v[0], "", frame::plain(v[1]), frame::plain(v[2]), v[1], v[2]});
    }
    out.series = std::move(series);
    return out;
}

}  // namespace vxr::calc
