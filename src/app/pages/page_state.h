// What a page holds, as a plain value: a page hands it over (Page::state) and takes it back (Page::restore), the
// window keeps it for a page not built yet, and a case file and the session keep it on disk. Its JSON keys are
// written, read and checked in one place alone (case/page_json). A member added here is a key added there.
#pragma once

#include <QDateTime>
#include <QString>
#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "calc/flexibility/node_list.h"
#include "calc/hydraulics/pipe_tables.h"
#include "frame/outcome.h"

namespace vxr::app {

// By a field's object name (or an option group's frame name); found by std::string_view as well.
template <class T>
using ByName = std::map<std::string, T, std::less<>>;

// A value filled into an input from a property table: the text filled and where it came from. The sheet names the
// source while the input's text (as the calculation used it) is still the text filled. A value taken at the page's
// own temperatures keeps their texts as they were then, by input name (empty: taken at the dialog's state, or not
// known), so that a later change of one of them shows the value out of date.
struct Filled {
    QString text;
    QString source;
    ByName<QString> at;

    friend bool operator==(const Filled&, const Filled&) = default;
};

// The pipe-stress page's segment editor: every saved record (record n at index n − 1) with the end node, the
// segment shown (its To node) and 终点 as ticked.
struct RouteEditor {
    calc::Route route;
    int current = 1;
    bool end_mark = false;

    friend bool operator==(const RouteEditor&, const RouteEditor&) = default;
};

// A page's last calculation, as its sheet prints it: when it ran, the inputs and description fields and the options
// as used, every result as shown with its notes, and on the pipe-stress page the route as assessed.
struct LastCalculation {
    QDateTime at;
    ByName<QString> texts;                     // every Input and Note field
    ByName<std::string> options;               // the option chosen in each group that had one
    ByName<frame::Explained::Result> results;  // every Result field
    std::optional<calc::Route> route;
    std::optional<calc::PipeSeries> pipe_series;  // on the pipe-sizing page, the series the sizes came from

    friend bool operator==(const LastCalculation& a, const LastCalculation& b) {
        const auto same = [](const frame::Explained::Result& x, const frame::Explained::Result& y) {
            return x.text == y.text && x.notes == y.notes;
        };
        return a.at == b.at && a.texts == b.texts && a.options == b.options && a.route == b.route &&
               a.pipe_series == b.pipe_series &&
               std::equal(a.results.begin(), a.results.end(), b.results.begin(), b.results.end(),
                          [&](const auto& x, const auto& y) { return x.first == y.first && same(x.second, y.second); });
    }
};

// The unit page: the quantity and the unit the value is typed in (by their captions), and the three texts typed.
struct UnitChoice {
    QString quantity;
    QString unit;
    QString value;
    QString atmosphere;
    QString expression;

    friend bool operator==(const UnitChoice&, const UnitChoice&) = default;
};

// A calculating page fills the first six members (route on the pipe-stress page only, pipe_series on the pipe-sizing
// page only) and `kept`, the unit page `units`.
struct PageState {
    ByName<QString> texts;        // every text box the user types (inputs, description fields, the segment editor's)
    ByName<std::string> options;  // the option chosen in each group that has one
    ByName<Filled> sources;       // inputs whose text came from a property table
    std::optional<RouteEditor> route;
    std::optional<calc::PipeSeries> pipe_series;  // the pipe-sizing page's series chosen; none: by nominal diameter
    std::optional<LastCalculation> calculation;
    std::optional<UnitChoice> units;
    // Texts an option keeps for its inputs while another option of its group is chosen (调节阀计算: each medium's
    // flow and viscosity), by option name, then input name; only those that differ from the option's defaults.
    ByName<ByName<QString>> kept;

    friend bool operator==(const PageState&, const PageState&) = default;
};

}  // namespace vxr::app
