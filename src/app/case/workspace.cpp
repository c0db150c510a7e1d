#include "app/case/workspace.h"

#include "app/kit/tab_control.h"
#include "app/kit/version.h"
#include "app/pages/calc_page.h"
#include "app/pages/page.h"
#include "app/pages/page_list.h"

namespace vxr::app {

QStringList pagesNotMatchingTheirResults(const casefile::Document& document) {
    QStringList differ;
    for (const PageInfo& info : pages()) {
        const auto found = document.pages.find(QLatin1String(info.name));
        if (found == document.pages.end() || !found->second.calculation || !info.calc()) continue;
        if (!recheck(*info.calc(), *found->second.calculation).empty()) differ << QString::fromUtf8(info.caption);
    }
    return differ;
}

Workspace::Workspace(TabControl* tabs, QObject* parent)
    : QObject(parent), tabs_(tabs), changed_(QDateTime::currentDateTime()) {}

void Workspace::adopt(Page* page) {
    const auto waiting = waiting_.find(QLatin1String(page->info().name));
    if (waiting != waiting_.end()) {
        page->restore(waiting->second);
        waiting_.erase(waiting);
    }
    connect(page, &Page::edited, this, &Workspace::edited);
}

casefile::Document Workspace::document() const {
    casefile::Document d;
    d.changed = changed_.timeSpec() == Qt::UTC ? changed_.toLocalTime() : changed_;
    d.program = programName();
    d.project = project_;
    const std::span<const PageInfo> all = pages();
    d.page = QLatin1String(all[static_cast<std::size_t>(tabs_->currentIndex())].name);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const QString name = QLatin1String(all[i].name);
        if (tabs_->isBuilt(static_cast<int>(i)))
            d.pages[name] = static_cast<const Page*>(tabs_->page(static_cast<int>(i)))->state();
        else if (const auto waiting = waiting_.find(name); waiting != waiting_.end())
            d.pages[name] = waiting->second;
        else
            d.pages[name] = casefile::defaultState(all[i]);
    }
    d.file = file_;
    d.unsaved = modified_;
    return d;
}

void Workspace::apply(const casefile::Document& document, bool show_page) {
    const std::span<const PageInfo> all = pages();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const QString name = QLatin1String(all[i].name);
        const auto found = document.pages.find(name);
        const PageState state = found != document.pages.end() ? found->second : casefile::defaultState(all[i]);
        if (tabs_->isBuilt(static_cast<int>(i))) {
            static_cast<Page*>(tabs_->page(static_cast<int>(i)))->restore(state);
            waiting_.erase(name);
        } else {
            waiting_[name] = state;
        }
        if (show_page && name == document.page) tabs_->setCurrentIndex(static_cast<int>(i));
    }
    changed_ = document.changed;
    project_ = document.project;
    emit changed();
}

void Workspace::setFile(const QString& file, bool modified) {
    file_ = file;
    modified_ = modified;
    emit fileChanged();
}

void Workspace::setProject(const QJsonObject& project) {
    if (project == project_) return;
    project_ = project;
    edited();
}

void Workspace::edited() {
    // In UTC: local time asks the system's time zone on every call, and an edit comes with every keystroke and every
    // calculation. The document gets it as local time.
    changed_ = QDateTime::currentDateTimeUtc();
    const bool was = modified_;
    modified_ = true;
    if (!was) emit fileChanged();
    emit changed();
}

}  // namespace vxr::app
