// Pipe series: the sizes of one wall schedule, each with its outside diameter and wall as the standard tabulates
// them, and the bore they leave. Built in: ASME B36.10M-2015 (welded and seamless wrought steel pipe, Table 1) and
// ASME B36.19M-2004 (stainless steel pipe, Table 1), NPS 1/8 to 24 (DN 6 to 600). A size a schedule does not have is
// not in its series. Beside them, the user's own series (a company's or a national standard), checked row by row.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vxr::calc {

struct PipeSize {
    double dn = 0;     // nominal diameter
    std::string nps;   // the standard's nominal pipe size, "1-1/4"; empty in a user's series
    std::string od;    // outside diameter in mm, as tabulated ("114.3")
    std::string wall;  // wall in mm, as tabulated ("6.02")
    double od_mm = 0;
    double wall_mm = 0;

    double bore_mm() const { return od_mm - 2 * wall_mm; }
    // "114.3×6.02"
    std::string pipe() const { return od + "×" + wall; }

    friend bool operator==(const PipeSize&, const PipeSize&) = default;
};

struct PipeSeries {
    std::string name;      // "ASME B36.10M Sch 40", or the user's name
    std::string standard;  // "ASME B36.10M"; empty in a user's series
    std::string schedule;  // "Sch 40", "STD", "10S"; empty in a user's series
    std::vector<PipeSize> sizes;

    bool built_in() const { return !standard.empty(); }
    // The pipe as a piping list names it: "ASME B36.10M DN100 Sch 40 114.3×6.02"; a user's series "<name> DN100
    // 114.3×6.02".
    std::string describe(const PipeSize& size) const;
    // The smallest size whose bore takes `d_mm`, or none when the largest bore is smaller.
    const PipeSize* smallest_taking(double d_mm) const;
    const PipeSize* find(double dn) const;

    friend bool operator==(const PipeSeries&, const PipeSeries&) = default;
};

// The built-in series, B36.10M's schedules first (10, 20, 30, STD, 40, 60, XS, 80, 100, 120, 140, 160, XXS), then
// B36.19M's (5S, 10S, 40S, 80S).
const std::vector<PipeSeries>& builtin_pipe_series();
const PipeSeries* find_builtin_series(std::string_view name);

// One row of a user's series as typed or pasted: DN, outside diameter and wall in mm.
struct PipeRowText {
    std::string dn, od, wall;
};

// A user's series from its name and rows, or the reason it is refused: the row (counted from 1) and the column at
// fault, or what is wrong with the name.
struct CheckedSeries {
    std::optional<PipeSeries> series;
    std::string refusal;
    int row = 0;     // the row at fault, from 1; 0 for the name or the whole table
    int column = 0;  // 0 DN, 1 outside diameter, 2 wall
};
CheckedSeries check_user_series(std::string_view name, const std::vector<PipeRowText>& rows);

}  // namespace vxr::calc
