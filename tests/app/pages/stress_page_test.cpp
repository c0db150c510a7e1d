// The pipe-stress page through the real window: random sequences of its buttons, Enter keys and route-table rows
// deleted, from fixed seeds, against a model of the node list (after each step the editor, 上一节点, the verdict, the
// message and the focus are the model's, and nothing else changed); then a worked walk and its sheet.
#include <array>
#include <cmath>

#include "app/pages/route_table_dialog.h"
#include "app/window_test_support.h"
#include "calc/catalogue.h"
#include "frame/number_text.h"
#include "frame/numeric_text.h"

namespace vxr::test {
namespace {

using Texts4 = std::array<QString, 4>;                                          // LX, LY, LZ, length
const char* const kSegmentFields[] = {"Text48", "Text49", "Text50", "Text47"};  // in that order
const char* const kPipeFields[] = {"Text51", "Text52", "Text53", "Text54"};     // D, α, Tmax, Tmin
const QStringList kEditor = {"qidian", "zhongdian", "Label40", "Text48", "Text49", "Text50", "Text47", "Text55"};

// The node list as its rules have it, and what the page should show of it.
struct Model {
    std::array<std::optional<Texts4>, 101> records;  // index 0 unused
    Texts4 shown;                                    // what the four segment fields hold
    int to = 1;
    std::optional<int> end;
    bool marked = false, previous_enabled = false;
    QString verdict;
    void move(int by) {
        shown = records[std::size_t(to += by)].value_or(Texts4{});
        previous_enabled = previous_enabled || by > 0;  // from the first step forward on
    }
    // 保存更新: refused for an empty field or a length short of the projections' resultant r by more than
    // max(0.005, 0.001·r) where all four are numbers; else the record (and the end node where marked) stored.
    std::optional<Message> save() {
        if (std::count(shown.begin(), shown.end(), QString()) > 0) return Message{"VXR", "请仔细核对数据！"};
        std::array<std::optional<double>, 4> v;
        for (std::size_t i = 0; i < 4; ++i) v[i] = frame::parse_number(shown[i].toStdString());
        const bool numbers = v[0] && v[1] && v[2] && v[3];
        const double r = numbers ? std::hypot(*v[0], *v[1], *v[2]) : 0;
        if (numbers && std::isfinite(r) && *v[3] < r - std::max(0.005, 0.001 * r))
            return Message{"VXR", QString("两节点管道长度小于三个投影的合成长度（%1 m），请核对。")
                                      .arg(QString::fromStdString(frame::masked(r)))};
        records[std::size_t(to)] = shown;
        if (marked) end = to;
        return std::nullopt;
    }
    // Before a move, 计算 or 路线表…: the save of what a move would lose (a text typed and not as saved, or a 终点
    // tick not yet the end node), whose refusal stops the button.
    std::optional<Message> savePending() {
        const bool typed = std::count(shown.begin(), shown.end(), QString()) < 4;
        return typed && (records[std::size_t(to)] != shown || (marked && end != to)) ? save() : std::nullopt;
    }
    // 路线表…'s 确定 after row `k` (none for 0) was deleted: the records after it move up, as does the end node (gone
    // with its row); the current segment moves to the new last row only where its own row went away; it is shown as
    // saved, 终点 clear. The table lists the records to the last saved or the end node, whichever is further.
    void deleteRow(int k) {
        int rows = end.value_or(0);
        for (int n = 100; n > rows; --n) rows = records[std::size_t(n)] ? n : rows;
        if (k > 0) {
            std::move(records.begin() + k + 1, records.begin() + rows + 1, records.begin() + k);
            records[std::size_t(rows)].reset();
            end = end == k ? std::nullopt : end > k ? std::optional(*end - 1) : end;
            if (to == rows) to = std::max(rows - 1, 1);
        }
        shown = records[std::size_t(to)].value_or(Texts4{});
        marked = false;
    }
    // What the core makes of the route up to the end node and the pipe data: the verdict, or nothing where it refuses.
    std::optional<QString> coreVerdict(const QStringList& pipe) const {
        const auto s = [](const QString& t) { return t.toStdString(); };
        calc::Case c{{s(pipe[0]), s(pipe[1]), s(pipe[2]), s(pipe[3])}, {}, {end, {}}, {}};
        for (int n = 1; n <= *end; ++n) {
            const auto& r = records[std::size_t(n)];
            c.route.segments.push_back(
                r ? std::optional<calc::SegmentTexts>({s(r->at(3)), s(r->at(0)), s(r->at(1)), s(r->at(2))})
                  : std::nullopt);
        }
        const calc::Answer a = calc::find_calculation("stress")->run(c);
        if (std::holds_alternative<calc::Refused>(a)) return std::nullopt;
        return QString::fromStdString(std::get<frame::Explained>(a).results[0].text);
    }
};

// Clicks 路线表… and, once its dialog is open, runs `act` on it, then closes it with 取消 if `act` left it open: the
// message box shown, if any.
std::optional<Message> onRouteTable(QWidget& button, const std::function<void(app::RouteTableDialog&)>& act) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<app::RouteTableDialog*>(QApplication::activeModalWidget())) {
            poll.stop();
            act(*dialog);
            if (dialog->isVisible()) QTest::mouseClick(dialog->findChild<QWidget*>("routeCancel"), Qt::LeftButton);
        }
    });
    poll.start(1);
    return catchMessage([&] { QTest::mouseClick(&button, Qt::LeftButton); });
}
void clickIn(const QDialog& dialog, const char* button) {
    QTest::mouseClick(dialog.findChild<QWidget*>(button), Qt::LeftButton);
}

// How a sequence is drawn: the weights of the steps (type, save, next, previous, tick the check box, calculate, route
// table), how often a save marks the end node (from node 100 on only, if so set) and how often a segment is full of
// odd texts.
struct Scenario {
    const char* name;
    std::uint64_t seed;
    std::vector<int> weights;
    double mark_share, wild_share;
    bool mark_after_last_node;
};
// Named in test listings by its name, not by its bytes.
void PrintTo(const Scenario& s, std::ostream* out) {
    *out << s.name << " (seed " << s.seed << ")";
}

class RoutePropertyTest : public WindowTest, public ::testing::WithParamInterface<Scenario> {
protected:
    RoutePropertyTest() { showPage("stressPage"); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }
    // A piece of route as an engineer types it, now and then shorter than its projections, with odd texts or an
    // empty field.
    Texts4 segment(double odd_share) {
        const auto v = [&] { return chance(0.4) ? 0.0 : double(int(random_() % 401) - 200) / 10; };
        const double x = v(), y = v(), z = v(),
                     stretch = chance(0.3)   ? 1.0
                               : chance(0.1) ? 0.99 - double(random_() % 50) / 100
                                             : 1 + double(random_() % 60) / 100;
        Texts4 t = {QString::number(x), QString::number(y), QString::number(z),
                    QString::number(std::hypot(x, y, z) * stretch, 'f', 2)};
        for (QString& text : t)
            if (chance(odd_share)) text = fieldText(random_, -20, 20, 1.0);
        if (chance(0.05)) t[random_() % 4].clear();
        return t;
    }
    std::optional<Message> enterIn(const char* field) {
        return catchMessage([box = find(field)] { QTest::keyClick(box, Qt::Key_Return); });
    }
    // The message against the one expected; the model against the page; and nothing else changed. After a move or a
    // save refused for its length, the length is to type: focused, its text selected.
    QStringList verify(const std::optional<Message>& shown, const std::optional<Message>& expected,
                       const QStringList& before, bool moved) {
        const auto describe = [](const std::optional<Message>& m) { return m ? m->describe() : "none"; };
        QStringList broken = changed(before, snapshot(window()), kEditor + QStringList{"Check1", "Command10"});
        if (describe(shown) != describe(expected))
            broken << "message " + describe(shown) + ", not " + describe(expected);
        QStringList page, model = {QString::number(model_.to - 1), QString::number(model_.to),
                                   model_.end ? QString::number(*model_.end) : ""};
        for (const QString& name : kEditor) page << text(qPrintable(name));
        page << QString::number(checked("Check1")) + QString::number(find("Command10")->isEnabled());
        model << QStringList(model_.shown.begin(), model_.shown.end()) << model_.verdict
              << QString::number(model_.marked) + QString::number(model_.previous_enabled);
        if (page != model) broken << "shows " + page.join(" | ").left(300) + "\n  model " + model.join(" | ").left(300);
        const auto* length = find<QLineEdit>("Text47");
        if (((expected && expected->text.startsWith("两节点")) || moved) &&
            (window().focusWidget() != length || length->selectedText() != length->text()))
            broken << "the length field is not focused with its text selected";
        return broken;
    }

    Model model_;
    std::mt19937_64 random_{GetParam().seed};
};

TEST_P(RoutePropertyTest, EditorAndVerdictFollowTheModel) {
    const Scenario& s = GetParam();
    bool reached_last = false;
    int violations = 0;
    for (int n = 0; n < 1000 / kCaseDivisor && violations < 5; ++n) {
        int step = std::discrete_distribution<int>(s.weights.begin(), s.weights.end())(random_);
        const bool may_mark = !s.mark_after_last_node || reached_last;
        if (step == 4 && !may_mark) step = 0;
        if (step == 4 || (step == 1 && (may_mark ? chance(s.mark_share) != model_.marked : model_.marked))) {
            QTest::mouseClick(find("Check1"), Qt::LeftButton, {}, QPoint(6, 18));  // on its box
            model_.marked = !model_.marked;
        }
        const auto pipe = step == 5 ? random_() % 10 : 9;  // now and then other pipe data, or the defaults back
        for (int i = 0; pipe < 6 && i < 4; ++i)
            setText(kPipeFields[i],
                    pipe < 3 ? fieldText(random_, -50, 300, 0.1) : QStringList{"108", "0.012", "200", "-10"}[i]);

        const QStringList before = snapshot(window());
        const int from = model_.to;
        std::optional<Message> expected, shown;
        if (step == 0) {  // typing only: nothing is stored until a save
            model_.shown = segment(chance(s.wild_share) ? 0.5 : 0.01);
            for (std::size_t i = 0; i < 4; ++i) setText(kSegmentFields[i], model_.shown[i]);
        } else if (step == 1) {  // 保存更新, or Enter in a segment field
            shown = chance(0.3) ? enterIn(kSegmentFields[random_() % 4]) : clickAndCatch("Command9");
            expected = model_.save();
        } else if (step == 2) {  // 下一节点
            shown = clickAndCatch("Command11");
            if (!(expected = model_.savePending())) {
                model_.marked = false;
                if (model_.to >= 100)
                    expected = Message{"VXR", "最大节点数为100 "};
                else if (!model_.end || model_.to < *model_.end)
                    model_.move(+1);
            }
            reached_last = reached_last || model_.to == 100;
        } else if (step == 3) {  // 上一节点, which does nothing at all while disabled
            shown = clickAndCatch("Command10");
            if (model_.previous_enabled && !(expected = model_.savePending())) {
                model_.marked = false;
                if (model_.to > 1) model_.move(-1);
            }
        } else if (step == 5) {  // 计算, or Enter in a pipe-data field
            shown = chance(0.3) ? enterIn(kPipeFields[random_() % 4]) : clickAndCatch("Command13");
            QStringList pipe_data;
            for (const char* field : kPipeFields) pipe_data << text(field);
            if (!(expected = model_.savePending())) {
                const auto verdict = model_.end ? model_.coreVerdict(pipe_data) : std::nullopt;
                if (verdict) model_.verdict = *verdict;
                if (!verdict)
                    expected = model_.end ? Message{"运行错误", "请仔细核对数据！"} : Message{"VXR", "请确定最终节点"};
            }
        } else if (step == 6) {  // 路线表…: now and then a row deleted, then 确定 or 取消 (which changes nothing)
            const bool ok = chance(0.5);
            int deleted = 0;
            shown = onRouteTable(*find("routeTableButton"), [&](app::RouteTableDialog& d) {
                auto* table = d.findChild<QTableWidget*>("routeTable");
                deleted = chance(0.5) ? int(random_() % std::uint64_t(table->rowCount() + 1)) : 0;
                if (deleted) {
                    table->setCurrentCell(deleted - 1, app::RouteTableDialog::LX);
                    clickIn(d, "routeDeleteRow");
                }
                clickIn(d, ok ? "routeOk" : "routeCancel");
            });
            if (!(expected = model_.savePending()) && ok) model_.deleteRow(deleted);
        }
        const QStringList broken =
            verify(shown, expected, step == 0 ? snapshot(window()) : before, step < 4 && model_.to != from);
        if (broken.isEmpty()) continue;
        ++violations;
        ADD_FAILURE() << "seed " << s.seed << " step " << n << " (kind " << step << ") at To " << model_.to << ":\n  "
                      << broken.join("\n  ").toStdString();
    }
    EXPECT_TRUE(reached_last || !s.mark_after_last_node || kCaseDivisor > 1);  // fewer steps in the sanitizer build
}

// Short routes with end nodes, where most calculations reach a verdict; one long route out to the hundredth node and
// against its limit, with end nodes only after that; back and forth over a route whose end node moves back.
INSTANTIATE_TEST_SUITE_P(Routes, RoutePropertyTest,
                         ::testing::Values(Scenario{"ShortRoutes", 11, {25, 25, 20, 15, 5, 10, 4}, 0.2, 0.2, false},
                                           Scenario{
                                               "ToTheHundredthNode", 12, {15, 20, 45, 8, 4, 8, 2}, 0.05, 0.0, true},
                                           Scenario{"BackAndForth", 13, {20, 20, 25, 25, 5, 5, 4}, 0.1, 0.3, false}),
                         [](const auto& info) { return std::string(info.param.name); });

using StressPageTest = WindowTest;

// The walk 10/10/0/0, a node passed over (never saved), 6/0/6/0, 4/0/0/4 with 终点, each segment saved only by moving
// on, the last by 计算 itself: ΣLX 10, ΣLY 6, ΣLZ 4, L 20, U = √152 = 12.3288, Y = 2.52·U = 31.0686,
// R = 108·Y/(L − U)² = 57.0194, 合适. The sheet lists records 1 to the end node as assessed, the one never saved as an
// empty row, after the inputs; a segment saved since is named in the sheet's warning while the rows keep the route as
// assessed. The node labels are bold, the start node blue, the end node red.
TEST_F(StressPageTest, WalkSavedByMovingOnAndCalculatingAndItsSheet) {
    showPage("stressPage");
    const auto enter = [&](const QStringList& typed) {  // length, LX, LY, LZ
        for (int j = 0; j < 4; ++j) type(kSegmentFields[(j + 3) % 4], typed[j]);
    };
    for (const auto& [name, colour] : {std::pair{"qidian", QColor(Qt::blue)}, {"zhongdian", QColor(Qt::red)}})
        EXPECT_TRUE(find(name)->palette().color(QPalette::WindowText) == colour && find(name)->font().bold());
    const QStringList walk[] = {{"10", "10", "0", "0"}, {}, {"6", "0", "6", "0"}, {"4", "0", "0", "4"}};
    for (int i = 0; i < 4; ++i) {
        if (i != 1) enter(walk[i]);
        find<QCheckBox>("Check1")->setChecked(i == 3);
        if (i < 3) click("Command11");
    }
    click("Command13");
    const QStringList notes = find("Text55")->toolTip().split('\n');
    EXPECT_EQ(QStringList({text("Text55"), notes.front(), notes.back()}).join(" | ").toStdString(),
              "合适。满足柔性要求。 | ΣLX = 10 m  ΣLY = 6 m  ΣLZ = 4 m | R = D·Y/(L − U)² = 57.0194 ≤ 208.3");
    const QString route =
        "管道路线（m）\n从\t到\t长度\tLX\tLY\tLZ\n"
        "0\t1\t10\t10\t0\t0\n1\t2\t\t\t\t\n2\t3\t6\t0\t6\t0\n3\t4\t4\t0\t0\t4\n";
    const QString sheet = page("stressPage")->sheetText();
    EXPECT_TRUE(sheet.contains("管道最低工作温度\t-10\t℃\n" + route + "计算结果\n")) << sheet.toStdString();
    enter({"5", "3", "4", "0"});
    click("Command9");
    EXPECT_TRUE(page("stressPage")->sheetText().startsWith("注意：计算后已修改管道路线，下列为计算时所用的值。\n"));
    EXPECT_TRUE(page("stressPage")->sheetText().contains(route));
}

}  // namespace
}  // namespace vxr::test
