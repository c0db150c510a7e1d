// The window's case: what every page holds, the case file it came from, and whether it changed since it was last
// saved to that file. Pages are built when first opened; a state meant for a page not built yet waits here until it is.
#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <map>

#include "app/case/case_file.h"

namespace vxr::app {

class Page;
class TabControl;

// The captions of the pages of `document` whose stored results their calculations, run again on the inputs stored
// with them, no longer give (recheck in pages/calc_page.h), in the pages' order.
QStringList pagesNotMatchingTheirResults(const casefile::Document& document);

class Workspace : public QObject {
    Q_OBJECT

public:
    Workspace(TabControl* tabs, QObject* parent);

    // A page just built: it gets the state waiting for it, and its edits from now on mark the case changed.
    void adopt(Page* page);

    // Everything the window holds now, as a case file and the session keep it.
    casefile::Document document() const;
    // Shows `document` on every page (a page not built yet when it is), `show_page`: and the page it names.
    void apply(const casefile::Document& document, bool show_page);

    const QString& file() const { return file_; }
    bool modified() const { return modified_; }
    // After opening, saving or a new case: the file (empty: none) and whether the window differs from it.
    void setFile(const QString& file, bool modified);

    const QJsonObject& project() const { return project_; }
    void setProject(const QJsonObject& project);

signals:
    // The case file or its unsaved mark changed (the window's caption).
    void fileChanged();
    // Anything the case holds changed: an edit, a calculation, opening or a new case (the session).
    void changed();

private:
    void edited();

    TabControl* tabs_;
    std::map<QString, PageState> waiting_;  // states of pages not built yet, by page name
    QDateTime changed_;
    QJsonObject project_;
    QString file_;
    bool modified_ = false;
};

}  // namespace vxr::app
