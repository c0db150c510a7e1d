// A page's saved state in a case file: every key the writer writes comes back from the reader, every key is in the
// format's documentation, and a case saved by the build before the saved state had one owner (every page calculated,
// values filled from the water/steam table, a route of 40 segments) opens and re-saves byte for byte.
#include <QJsonArray>
#include <QJsonDocument>
#include <set>

#include "app/case/case_file.h"
#include "app/case/page_json.h"
#include "app/window_test_support.h"
#include "calc/catalogue.h"
#include "frame/field.h"

namespace vxr::test {
namespace {

using app::PageState;

// A member added to the saved state must be set in `everything` below, so that the round trip writes its key.
static_assert(frame::detail::members<PageState>() == 8 && frame::detail::members<app::LastCalculation>() == 6 &&
              frame::detail::members<app::RouteEditor>() == 3 && frame::detail::members<app::UnitChoice>() == 5 &&
              frame::detail::members<app::Filled>() == 3);

// A route of `records` records, the end node on the last.
calc::Route route(int records, std::size_t size) {
    calc::Route r{records, std::vector<std::optional<calc::SegmentTexts>>(size)};
    for (int n = 0; n < records; ++n) r.segments[static_cast<std::size_t>(n)] = calc::SegmentTexts{"5", "3", "4", "0"};
    return r;
}

// A state of `page` with every member set, none at its default.
PageState everything(const app::PageInfo& page) {
    PageState s = app::casefile::defaultState(page);
    const calc::Calculation* c = page.calc();
    if (!c) {
        s.units = app::UnitChoice{"压力", "kPa（表压）", "250", "95", "psi"};
        return s;
    }
    app::LastCalculation& last = s.calculation.emplace();
    last.at = QDateTime::fromString("2026-12-07T10:14:52+08:00", Qt::ISODate);
    const char* input = nullptr;  // the first input, kept by every option
    for (const frame::Field& f : c->fields())
        if (!input && f.kind == frame::Kind::Input) input = f.name;
    for (const frame::Field& f : c->fields()) {
        const std::string text = std::string("7.") + f.name;
        if (s.texts.contains(f.name)) s.texts[f.name] = QString::fromStdString(text);
        if (f.kind == frame::Kind::Input)
            s.sources[f.name] = {QString::fromStdString(text), "物性：水", {{f.name, "150"}}};
        if (f.kind == frame::Kind::Input || f.kind == frame::Kind::Note) last.texts[f.name] = s.texts[f.name];
        if (f.kind == frame::Kind::Option) s.options[f.group] = last.options[f.group] = f.name;  // the last of each
        if (f.kind == frame::Kind::Option) s.kept[f.name] = {{input, "7.kept"}};
        if (f.kind == frame::Kind::Result) last.results[f.name] = {text, {"a = 1", "b = 2"}};
    }
    if (s.route) {
        s.route = app::RouteEditor{route(3, calc::NodeList::kMaxNode), 2, true};
        last.route = route(2, 2);
    }
    if (std::string_view(c->name()) == "pipeDiameter") {
        s.pipe_series = calc::check_user_series("本厂管材", {{"50", "57", "3.5"}, {"65", "76", "4"}}).series;
        last.pipe_series = *calc::find_builtin_series("ASME B36.19M Sch 10S");
    }
    return s;
}

// The keys of a file's object: format keys by their path, where names of fields, options, pages and segments stand
// for "*".
void keys(const QJsonValue& v, const QString& at, std::set<QString>& out) {
    static const QStringList named{"texts", "options", "sources", "results", "segments",
                                   "pages", "project", "at",      "kept"};
    const QJsonObject o = v.toObject();
    for (auto it = o.begin(); it != o.end(); ++it) {
        const bool by_name = named.contains(at.section('.', -1)) || at.endsWith(".kept.*");
        const QString path = (at.isEmpty() ? "" : at + ".") + (by_name ? "*" : it.key());
        out.insert(path);
        keys(*it, path, out);
    }
}

QString missing(const std::set<QString>& written, const std::set<QString>& read) {
    QStringList lost;
    for (const QString& k : written)
        if (!read.contains(k)) lost << k;
    return lost.join(", ");
}

// Every key written comes back from the reader, and every key a file or the session can hold is described in
// docs/case-file.md.
TEST(PageJson, EveryKeyWrittenIsReadBackAndDocumented) {
    app::casefile::Document d = app::casefile::fresh();
    for (const app::PageInfo& page : app::pages()) {
        const PageState full = d.pages[page.name] = everything(page);
        const QJsonObject written = app::casefile::pageJson(page, full);
        app::casefile::Check check;
        PageState back = app::casefile::absentState(page);  // as a file is read: a key left out means its absence
        ASSERT_TRUE(check.page(page, written, back)) << check.error.toStdString();
        EXPECT_TRUE(check.skipped.isEmpty()) << check.skipped.join(' ').toStdString();
        std::set<QString> out, in;
        keys(written, page.name, out);
        keys(app::casefile::pageJson(page, back), page.name, in);
        EXPECT_EQ(missing(out, in), "") << "written but not read back";
        EXPECT_TRUE(back == full) << page.name;
    }
    d.file = "a.vxr";
    d.project = {{"projectName", "x"}};
    std::set<QString> all;
    keys(QJsonDocument::fromJson(app::casefile::serialize(d, true)).object(), "", all);
    const QString doc = QString::fromUtf8(bytesOf(VXR_DOCS_DIR "/case-file.md"));
    QStringList undocumented;
    for (const QString& path : all)
        if (const QString key = path.section('.', -1); key != "*" && !doc.contains("`" + key + "`"))
            undocumented << path;
    EXPECT_EQ(undocumented.join(", "), "");
}

// A table with a field and an option group added since case files were first written: a new case starts at their
// defaults, a file without them means the values from before them, and they are written only where they differ.
struct Later {
    std::string first;
    std::string added;
    bool fast = false;
};
constexpr auto kLater = std::to_array<frame::Row<Later>>({
    {frame::input("first", "甲：", "1", {}), &Later::first},
    {frame::added(frame::input("added", "乙：", "5", {}), "0"), &Later::added},
    {frame::added(frame::option("law", "fast", "快", true, ""), ""), nullptr, [](Later& l) { l.fast = true; }},
    {frame::added(frame::option("law", "slow", "慢", false, ""), "1"), nullptr, [](Later& l) { l.fast = false; }},
    {frame::result("out", "丙：", {})},
});
frame::Outcome<Later> later(const Later&) {
    return frame::run<Later>([] { return frame::Explained{{{"1", {}}}}; });
}

TEST(PageJson, AFieldAddedSinceIsWrittenOnlyWhereItDiffersFromBefore) {
    const calc::Calculation c("later", kLater, later);
    const auto compact = [&](const PageState& s) {
        return QString::fromUtf8(QJsonDocument(app::casefile::pageJson(&c, s)).toJson(QJsonDocument::Compact));
    };
    EXPECT_EQ(compact(app::casefile::defaultState(&c)),
              R"({"options":{"law":"fast"},"texts":{"added":"5","first":"1"}})");
    const QByteArray old =
        R"({"calculation":{"at":"2026-12-07T10:14:52+08:00","results":{"out":{"notes":[],"text":"9"}},)"
        R"("options":{},"texts":{"first":"2"}},"options":{},"texts":{"first":"2"}})";
    PageState read = app::casefile::absentState(&c);
    app::casefile::Check check;
    ASSERT_TRUE(check.page(&c, "pages.later", QJsonDocument::fromJson(old).object(), read))
        << check.error.toStdString();
    EXPECT_EQ(read.texts.at("added") + " " + QString::fromStdString(read.options.at("law")), "0 slow");
    EXPECT_EQ(read.calculation->texts.at("added") + " " + QString::fromStdString(read.calculation->options.at("law")),
              "0 slow");
    EXPECT_EQ(compact(read), QString::fromUtf8(QJsonDocument::fromJson(old).toJson(QJsonDocument::Compact)));
}

// A case the earlier build saved: read and written again, unopened and through the window with every page built; a
// choice added since reads as what the case was worked with.
TEST_F(WindowTest, ACaseSavedBeforeResavesByteForByte) {
    const QString fixture = VXR_TESTS_DIR "/app/case/every_page_v1.vxr";
    const QByteArray bytes = bytesOf(fixture);
    const app::casefile::Reading read = app::casefile::parse(bytes);
    ASSERT_TRUE(read.document && read.skipped.isEmpty()) << read.error.toStdString();
    // As text, so that a failure shows the lines that differ.
    EXPECT_EQ(app::casefile::serialize(*read.document).toStdString(), bytes.toStdString());
    ASSERT_TRUE(window().openFile(fixture));
    for (const app::CalcPage* page : window().findChildren<app::CalcPage*>())
        EXPECT_FALSE(page->sheetText().contains("不符")) << page->title().toStdString();  // every result as calculated
    QTemporaryDir dir;
    ASSERT_TRUE(window().saveTo(dir.filePath("again.vxr")));
    EXPECT_EQ(bytesOf(dir.filePath("again.vxr")).toStdString(), bytes.toStdString());
    // Its pipe run worked with the fully rough law, the only one there was: calculated again, the same results.
    EXPECT_TRUE(checked("frictionFullyRough") && !checked("frictionColebrook"));
    const QString stored = text("Text27") + " " + text("Text26");
    showPage("frictionPage");
    click("Command6");
    EXPECT_EQ(text("Text27") + " " + text("Text26"), stored);
    // Its pipes sized by nominal diameter, before series existed.
    EXPECT_EQ(find<QComboBox>("pipeSeries")->currentText(), "按公称直径");
    const QString sized = text("Text6") + " " + text("Text7") + " " + text("Text13");
    showPage("pipeDiameterPage");
    click("Command1");
    EXPECT_EQ(text("Text6") + " " + text("Text7") + " " + text("Text13") + text("pipeSize1"), sized);
}

}  // namespace
}  // namespace vxr::test
