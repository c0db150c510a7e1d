// The list of the program's calculations, each with its table of fields, as everything that walks all of them reads
// it: the window's pages, the case files, the manual, the fuzz target, the tests and the benchmark.
//
// A calculation is run on a `Case`: its inputs' texts and its options as the window holds them (and, for the
// flexibility assessment, the pipe route). It answers with every result text and its notes, or a refusal that names
// the field at fault by its object name. Adding a calculation is one entry in `calculations()` (catalogue.cpp).
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "calc/flexibility/node_list.h"
#include "calc/hydraulics/pipe_tables.h"
#include "frame/field.h"
#include "frame/outcome.h"

namespace vxr::calc {

// One case of a calculation, as typed.
struct Case {
    std::vector<std::string> texts;  // the Input fields' texts, in table order
    std::vector<bool> chosen;        // the Option fields, in table order: chosen or not
    Route route;                     // the pipe route, read by the flexibility assessment only
    // The pipe series the sizes are taken from, read by the pipe sizing only; none: by the nominal diameter alone.
    std::optional<PipeSeries> pipe_series;
};

// Why a calculation did not finish: its message (empty: the data-check message "请仔细核对数据！"), the field at fault
// (nullptr where no single field is) and whether the box carries the application's title rather than "运行错误".
struct Refused {
    std::string message;
    const char* field = nullptr;
    bool app_title = false;
};
using Answer = std::variant<frame::Explained, Refused>;

class Calculation {
public:
    // The calculation named `name`, its table `rows` and its function.
    template <class In, std::size_t N>
    Calculation(const char* name, const std::array<frame::Row<In>, N>& rows,
                frame::Outcome<In> (*calculate)(const In&));

    const char* name() const { return name_; }
    std::span<const frame::Field> fields() const { return fields_; }
    // The field named `name`, or nullptr.
    const frame::Field* field(std::string_view name) const;

    Answer run(const Case& c) const { return run_(c); }

    // Every input at its default text, the options chosen at start, no route.
    Case defaults() const;
    // Types `text` into the field named `name` of `c`; for an option, "1" chooses it (and no other of its group).
    // False where the table has no such input or option.
    bool set(Case& c, std::string_view name, std::string_view text) const;

private:
    const char* name_;
    std::vector<frame::Field> fields_;
    std::function<Answer(const Case&)> run_;
};

// Every calculation, in the order of the window's pages.
std::span<const Calculation> calculations();
// The calculation named `name`, or nullptr.
const Calculation* find_calculation(std::string_view name);

template <class In, std::size_t N>
Calculation::Calculation(const char* name, const std::array<frame::Row<In>, N>& rows,
                         frame::Outcome<In> (*calculate)(const In&))
    : name_(name) {
    for (const frame::Row<In>& r : rows) fields_.push_back(r.field);
    run_ = [rows, calculate](const Case& c) -> Answer {
        In in{};
        std::size_t text = 0, option = 0;
        for (const frame::Row<In>& r : rows) {
            if (r.field.kind == frame::Kind::Input && text < c.texts.size()) in.*r.member = c.texts[text++];
            if (r.field.kind == frame::Kind::Option && option < c.chosen.size() && c.chosen[option++]) r.choose(in);
        }
        if constexpr (requires { in.route; }) in.route = c.route;
        if constexpr (requires { in.series; }) in.series = c.pipe_series;
        frame::Outcome<In> outcome = calculate(in);
        if (auto* done = std::get_if<frame::Explained>(&outcome)) return std::move(*done);
        const auto& refusal = std::get<frame::Refusal<In>>(outcome);
        const char* field = nullptr;
        for (const frame::Row<In>& r : rows)
            if (refusal.field && r.member == refusal.field) field = r.field.name;
        return Refused{refusal.message, field, refusal.app_title};
    };
}

}  // namespace vxr::calc
