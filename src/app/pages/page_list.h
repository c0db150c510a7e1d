// The list of the window's pages: everything that walks all of them (the window, the tests, the benchmark, the
// screenshot tool, case files) reads it. Adding a page is its own two files and one entry here.
#pragma once

#include <span>
#include <string_view>

class QWidget;

namespace vxr::calc {
class Calculation;
}

namespace vxr::app {

struct PageInfo {
    const char* name;                    // the page's object name; it never changes (case files are keyed by it)
    const char* caption;                 // the tab's caption, and the sheet's 计算项目
    const char* calculation;             // its calculation in calc::calculations(), nullptr where it has none
    QWidget* (*build)(const PageInfo&);  // makes the page, when it is first opened

    // The calculation the page runs, or nullptr.
    const calc::Calculation* calc() const;
};

// The pages in the order of their tabs.
std::span<const PageInfo> pages();
// The page named `name`, or nullptr.
const PageInfo* findPage(std::string_view name);

// For tests: while one lives, `pages()` is `list` (the program's pages and a thirteenth, say). Windows made
// meanwhile keep references into it and must be gone first.
class PageListForTest {
public:
    explicit PageListForTest(std::span<const PageInfo> list);
    ~PageListForTest();
    PageListForTest(const PageListForTest&) = delete;
    PageListForTest& operator=(const PageListForTest&) = delete;
};

// The page the window opens on.
inline constexpr const char* kStartPage = "condensationPage";

}  // namespace vxr::app
