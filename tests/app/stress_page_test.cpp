// The pipe-stress page through the real window: random sequences of its buttons from fixed seeds (typing, 保存更新,
// 上一节点, 下一节点, the end-node check box, 计算) against a model of the node list: after each step the node numbers,
// the end node, the check box, the four segment fields, 上一节点's enabled state, the verdict (the core's) and the
// message shown are the model's, and nothing else changed. Then the Enter key of each field.
#include <QCheckBox>
#include <QTest>
#include <array>
#include <cmath>

#include "calc/catalogue.h"
#include "window_test_support.h"

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
    // What the core makes of the route up to the end node and the pipe data: the verdict, or nothing where it refuses.
    std::optional<QString> coreVerdict(const QStringList& pipe) const {
        const auto s = [](const QString& t) { return t.toStdString(); };
        calc::Case c{{s(pipe[0]), s(pipe[1]), s(pipe[2]), s(pipe[3])}, {}, {end, {}}};
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

// How a sequence is drawn: the weights of the steps (type, save, next, previous, tick the check box, calculate), how
// often a save marks the end node (from node 100 on only, if so set) and how often a segment is full of odd texts.
struct Scenario {
    const char* name;
    std::uint64_t seed;
    std::vector<int> weights;
    double mark_share, wild_share;
    bool mark_after_last_node;
};

class RoutePropertyTest : public WindowTest, public ::testing::WithParamInterface<Scenario> {
protected:
    RoutePropertyTest() { showPage("stressPage"); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }
    // A piece of route as an engineer types it, now and then with odd texts or an empty field.
    Texts4 segment(double odd_share) {
        const auto v = [&] { return chance(0.4) ? 0.0 : double(int(random_() % 401) - 200) / 10; };
        const double x = v(), y = v(), z = v(), stretch = chance(0.3) ? 1.0 : 1 + double(random_() % 60) / 100;
        Texts4 t = {QString::number(x), QString::number(y), QString::number(z),
                    QString::number(std::hypot(x, y, z) * stretch, 'f', 2)};
        for (QString& text : t)
            if (chance(odd_share)) text = fieldText(random_, -20, 20, 1.0);
        if (chance(0.05)) t[random_() % 4].clear();
        return t;
    }
    // The message against the one expected; the model against the page; and nothing else changed.
    QStringList verify(const std::optional<Message>& shown, const std::optional<Message>& expected,
                       const QStringList& before) {
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
        std::optional<Message> expected, shown;
        if (step == 0) {  // typing only: nothing is stored until a save
            model_.shown = segment(chance(s.wild_share) ? 0.5 : 0.01);
            for (std::size_t i = 0; i < 4; ++i) setText(kSegmentFields[i], model_.shown[i]);
        } else if (step == 1) {  // 保存更新
            shown = clickAndCatch("Command9");
            const bool empty = std::count(model_.shown.begin(), model_.shown.end(), QString()) > 0;
            if (empty) expected = Message{"VXR", "请仔细核对数据！", 1, {}, {}};
            if (!empty) model_.records[std::size_t(model_.to)] = model_.shown;
            if (!empty && model_.marked) model_.end = model_.to;
        } else if (step == 2) {  // 下一节点
            shown = clickAndCatch("Command11");
            model_.marked = false;
            if (model_.to >= 100)
                expected = Message{"VXR", "最大节点数为100 ", 1, {}, {}};
            else if (!model_.end || model_.to < *model_.end)
                model_.move(+1);
            reached_last = reached_last || model_.to == 100;
        } else if (step == 3) {  // 上一节点, which does nothing at all while disabled
            shown = clickAndCatch("Command10");
            if (model_.previous_enabled) model_.marked = false;
            if (model_.previous_enabled && model_.to > 1) model_.move(-1);
        } else if (step == 5) {  // 计算
            shown = clickAndCatch("Command13");
            QStringList pipe_data;
            for (const char* field : kPipeFields) pipe_data << text(field);
            const auto verdict = model_.end ? model_.coreVerdict(pipe_data) : std::nullopt;
            if (verdict) model_.verdict = *verdict;
            if (!verdict)
                expected = model_.end ? Message{"运行错误", "请仔细核对数据！", 1, {}, {}}
                                      : Message{"VXR", "请确定最终节点", 1, {}, {}};
        }
        const QStringList broken = verify(shown, expected, step == 0 ? snapshot(window()) : before);
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
                         ::testing::Values(Scenario{"ShortRoutes", 11, {25, 25, 20, 15, 5, 10}, 0.2, 0.2, false},
                                           Scenario{"ToTheHundredthNode", 12, {15, 20, 45, 8, 4, 8}, 0.05, 0.0, true},
                                           Scenario{"BackAndForth", 13, {20, 20, 25, 25, 5, 5}, 0.1, 0.3, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Enter in a segment field saves the segment; Enter in a pipe-data field assesses the route (a straight one, 3-4-5:
// it takes up no expansion); 打印 does nothing. The node labels are bold, the start node blue, the end node red.
TEST_F(WindowTest, StressPageEnterPressesTheButtonOfItsField) {
    showPage("stressPage");
    for (const auto& [name, colour] : {std::pair{"qidian", QColor(Qt::blue)}, {"zhongdian", QColor(Qt::red)}})
        EXPECT_TRUE(find(name)->palette().color(QPalette::WindowText) == colour && find(name)->font().bold());
    const auto enterIn = [&](const char* field) {
        return catchMessage([box = find(field)] { QTest::keyClick(box, Qt::Key_Return); });
    };
    expectMessage(enterIn("Text51"), "VXR", "请确定最终节点");
    for (int i = 0; i < 5; ++i) {  // with no end node, an assessment would show a message
        const QString n = QString::number(i + 1);
        for (int j = 0; j < 4; ++j) type(kSegmentFields[j], i == 4 ? QStringList{"3", "4", "0", "5"}[j] : n + "0");
        find<QCheckBox>("Check1")->setChecked(i == 4);
        EXPECT_FALSE(enterIn(kSegmentFields[i % 4]).has_value()) << kSegmentFields[i % 4];
        if (i == 4) break;
        click("Command11");
        click("Command10");
        EXPECT_EQ(text(kSegmentFields[i]), n + "0") << kSegmentFields[i] << " was not saved";
    }
    for (const char* field : kPipeFields) {
        setText("Text55", "");
        EXPECT_FALSE(enterIn(field).has_value()) << field;
        EXPECT_EQ(text("Text55"), "不合适。需要调整管道系统。") << field;
    }
    const QStringList before = snapshot(window());
    click("Command12");
    EXPECT_EQ(changed(before, snapshot(window())), QStringList());
}

}  // namespace
}  // namespace vxr::test
