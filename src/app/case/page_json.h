// A page's saved state (pages/page_state.h) as a case file keeps it: the one place that writes, reads and checks its
// keys (docs/case-file.md lists them all). A key missing from a file means what the program did before that key
// existed, and a key is written only where it differs from that: a case saved before a key was added opens and
// re-saves byte for byte.
#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include "app/kit/form.h"
#include "app/pages/page_list.h"
#include "app/pages/page_state.h"
#include "calc/catalogue.h"

namespace vxr::app::casefile {

inline constexpr int kMaxText = kLongestText;  // what a text box holds

// Each of these reads a page by its calculation's table of fields (none: the unit page).

// A page at start: its defaults, no calculation (the route empty, the unit page on its first quantity).
PageState defaultState(const calc::Calculation* calculation);
// A page as a file means it where it leaves the page or some of its keys out: its defaults, but the fields added
// since case files were first written (frame::Field::absent) as they were before them.
PageState absentState(const calc::Calculation* calculation);
// The page's object in a file.
QJsonObject pageJson(const calc::Calculation* calculation, const PageState& state);

inline PageState defaultState(const PageInfo& page) {
    return defaultState(page.calc());
}
inline PageState absentState(const PageInfo& page) {
    return absentState(page.calc());
}
inline QJsonObject pageJson(const PageInfo& page, const PageState& state) {
    return pageJson(page.calc(), state);
}

// Dates as the file writes them: local time with its offset, to the second.
QString dateText(const QDateTime& at);
QDateTime dateFrom(const QString& text);

// A walk over a document that stops at its first fault and collects the names it does not know.
class Check {
public:
    QString error;        // the first fault, empty while there is none
    QStringList skipped;  // page and field names this version does not know

    bool fail(const QString& why);
    bool text(const QJsonValue& v, const QString& where, QString* out);
    bool object(const QJsonValue& v, const QString& where, QJsonObject* out);
    bool date(const QJsonValue& v, const QString& where, QDateTime* out);
    bool whole(const QJsonValue& v, const QString& where, int lo, int hi, int* out);

    // The object of a page at `where` in a file, over `state` (its absentState): what the file leaves out stays as
    // it was.
    bool page(const calc::Calculation* calculation, const QString& where, const QJsonValue& v, PageState& state);
    bool page(const PageInfo& page, const QJsonValue& v, PageState& state) {
        return this->page(page.calc(), QStringLiteral("pages.") + QLatin1String(page.name), v, state);
    }

private:
    bool texts(const QJsonValue& v, const QString& where, const calc::Calculation& c, bool editable_only,
               ByName<QString>& out);
    bool options(const QJsonValue& v, const QString& where, const calc::Calculation& c, ByName<std::string>& out);
    bool sources(const QJsonValue& v, const QString& where, const calc::Calculation& c, ByName<Filled>& out);
    bool kept(const QJsonValue& v, const QString& where, const calc::Calculation& c, ByName<ByName<QString>>& out);
    bool route(const QJsonValue& v, const QString& where, calc::Route& out, QJsonObject* rest);
    bool editor(const QJsonValue& v, const QString& where, RouteEditor& out);
    bool series(const QJsonValue& v, const QString& where, std::optional<calc::PipeSeries>& out);
    bool calculation(const QJsonValue& v, const QString& where, const calc::Calculation& c, LastCalculation& out);
    bool units(const QJsonObject& in, const QString& where, UnitChoice& out);
};

}  // namespace vxr::app::casefile
