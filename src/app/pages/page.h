// What every page of the window is to the case: a state it hands over and takes back, and a signal when the user
// changes it.
#pragma once

#include <QWidget>

#include "app/pages/page_list.h"
#include "app/pages/page_state.h"

namespace vxr::app {

class Page : public QWidget {
    Q_OBJECT

public:
    explicit Page(const PageInfo& info, QWidget* parent = nullptr) : QWidget(parent), info_(info) {}

    const PageInfo& info() const { return info_; }

    // Everything the page holds.
    virtual PageState state() const = 0;
    // Shows `state`, complete as the case reader or another page's `state` gives it.
    virtual void restore(const PageState& state) = 0;

signals:
    // The user changed what the page holds: a text, an option, a calculation, the route.
    void edited();

protected:
    // Emits `edited` unless the page is being restored.
    void noteEdit() {
        if (!restoring_) emit edited();
    }
    // While one lives, changes the page makes to itself are no edit of the user's.
    class Restoring {
    public:
        explicit Restoring(Page* page) : page_(page), was_(page->restoring_) { page->restoring_ = true; }
        ~Restoring() { page_->restoring_ = was_; }
        Restoring(const Restoring&) = delete;
        Restoring& operator=(const Restoring&) = delete;

    private:
        Page* page_;
        bool was_;
    };

private:
    const PageInfo& info_;
    bool restoring_ = false;
};

}  // namespace vxr::app
