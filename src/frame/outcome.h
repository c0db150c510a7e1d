// What a calculation hands back to its page: the result texts with the notes that explain them, or why it could
// not finish.
//
// A calculation takes a struct of field texts (`In`) and reads each text through `Fields`, which names the field at
// fault when a text is no number. A physical condition that the data break is refused with its own message and the
// field at fault (`refuse`); arithmetic that is no number fails with the data-check message and no field. `run`
// turns either into a `Refusal`, so that a page gets all its results or none, and the focus can go to the field at
// fault. Fields are named by member pointers of `In`, never by index, so they cannot be mixed up; the field table
// (frame/field.h) gives each its object name.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "frame/checked.h"

namespace vxr::frame {

// A finished calculation: each result box's text, in the page's order, and the notes of each: the formula in one
// line, the intermediate values with their units and any warning, one line each.
struct Explained {
    struct Result {
        std::string text;
        std::vector<std::string> notes;
    };
    std::vector<Result> results;
};

// Why a calculation did not finish.
template <class In>
struct Refusal {
    std::string message;               // empty: the data-check message "请仔细核对数据！"
    std::string In::*field = nullptr;  // the field at fault, where there is one
    bool app_title = false;            // the message box carries the application's title, not "运行错误"
};

template <class In>
using Outcome = std::variant<Explained, Refusal<In>>;

// Ends a calculation with a condition's own message and the field at fault.
template <class In>
[[noreturn]] void refuse(std::string_view message, std::string In::*field) {
    throw Refusal<In>{std::string(message), field};
}

// The field texts of one case, read as numbers.
template <class In>
class Fields {
public:
    explicit Fields(const In& in) : in_(in) {}

    // The field's text as a number; a text that breaks the numeric-text rule refuses the calculation with the
    // data-check message and this field at fault.
    Num operator()(std::string In::*field) const {
        try {
            return value(in_.*field);
        } catch (const DataCheckFailure&) {
            throw Refusal<In>{{}, field};
        }
    }

private:
    const In& in_;
};

// Runs a calculation body returning `Explained` under the failure trap.
template <class In, class Body>
Outcome<In> run(Body&& body) {
    try {
        return std::forward<Body>(body)();
    } catch (const Refusal<In>& refusal) {
        return refusal;
    } catch (const DataCheckFailure&) {
        return Refusal<In>{};
    }
}

}  // namespace vxr::frame
