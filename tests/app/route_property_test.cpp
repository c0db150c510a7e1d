// The pipe-stress page under random sequences of its buttons, from fixed seeds: typing, 保存更新, 上一节点, 下一节点,
// the end-node check box and 计算, each step checked against a small model of the node list's rules. After every
// step the node numbers, the end node, the check box, the four segment fields, the enabled state of 上一节点, the
// verdict and the message shown are those of the model, and no other control of the window has changed.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>

#include "app/tab_control.h"
#include "frame/numeric_text.h"
#include "property_support.h"
#include "window_test_support.h"

namespace vxr::test {
namespace {

using Texts4 = std::array<QString, 4>;
const char* const kSegmentFields[] = {"Text48", "Text49", "Text50", "Text47"};  // LX, LY, LZ, length
const char* const kPipeFields[] = {"Text51", "Text52", "Text53", "Text54"};     // D, α, Tmax, Tmin
const QStringList kEditorControls = {"qidian", "zhongdian", "Label40", "Check1",    "Text47",
                                     "Text48", "Text49",    "Text50",  "Command10", "Text55"};
const QString kSuitable = QStringLiteral("合适。满足柔性要求。");
const QString kNotSuitable = QStringLiteral("不合适。需要调整管道系统。");
const QString kTitle = QStringLiteral("VXR");
constexpr int kLastNode = 100;

// The node list as its rules have it, and what the page should show of it.
struct RouteModel {
    std::array<std::optional<Texts4>, kLastNode + 1> records;  // LX, LY, LZ, length; index 0 unused
    Texts4 shown;                                              // what the four segment fields hold
    int to = 1;
    std::optional<int> end;
    bool marked = false;
    bool previous_enabled = false;
    QString verdict;
};

enum class Verdict { Suitable, NotSuitable, DataCheck, Either };

// The verdict for the model's route, worked out in long double: D·Y/(L − U)² ≤ 208.3 with U the distance between
// the route's ends and Y = |α·ΔT|·U. A text that is no number fails. Where huge or tiny values could overflow or
// lose the answer in rounding, or the route lies too near a straight line or the limit, either outcome is allowed.
Verdict expectedVerdict(const RouteModel& m, const Texts4& pipe) {
    bool fails = false, tame = true;
    const auto number = [&](const QString& t) -> long double {
        const auto v = frame::parse_number(t.toStdString());
        if (!v) return fails = true, 0.0L;
        if (*v != 0.0 && (std::fabs(*v) < 1e-6 || std::fabs(*v) > 1e6)) tame = false;
        return *v;
    };
    const long double d = number(pipe[0]), alpha = number(pipe[1]), dt = number(pipe[2]) - number(pipe[3]);
    long double sx = 0, sy = 0, sz = 0, length = 0;
    for (int n = 1; n <= *m.end; ++n) {
        if (!m.records[std::size_t(n)]) continue;
        const Texts4& r = *m.records[std::size_t(n)];
        sx += number(r[0]), sy += number(r[1]), sz += number(r[2]), length += number(r[3]);
    }
    if (fails) return Verdict::DataCheck;
    const long double u = std::sqrt(sx * sx + sy * sy + sz * sz);
    if (length == 0 && u == 0) return Verdict::DataCheck;  // nothing saved up to the end node: no slack at all
    if (!tame) return Verdict::Either;
    const long double slack = length - u;
    if (std::fabs(slack) <= 1e-9L * (1 + length + u)) return Verdict::Either;
    const long double ratio = d * std::fabs(alpha * dt) * u / (slack * slack);
    if (std::fabs(ratio - 208.3L) <= 1e-9L * 208.3L) return Verdict::Either;
    return ratio <= 208.3L ? Verdict::Suitable : Verdict::NotSuitable;
}

// How a sequence is drawn: the weights of the steps, and how often a save marks the end node.
struct Scenario {
    std::uint64_t seed;
    int steps;
    int weights[6];  // type, save, next, previous, tick the check box, calculate
    double mark_share;
    bool mark_after_last_node;  // no end node until the route has reached node 100 once
    double wild_share;          // how often a typed segment is full of odd texts
};

class RoutePropertyTest : public WindowTest {
protected:
    RoutePropertyTest() { showPage(10); }
    void run(const Scenario& s);

private:
    // A piece of route as an engineer types it (a run along an axis, a bend in a plane or in space, with its
    // developed length), now and then with odd texts or an empty field.
    Texts4 segment(RandomTexts& random, double odd_share);
    void tick() {
        auto* box = find<QCheckBox>("Check1");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        model_.marked = !model_.marked;
    }
    // The step's message against the one expected; the model against the page; and nothing else changed.
    void verify(const char* step, const std::optional<Message>& shown, const std::optional<Message>& expected,
                const Snapshot& before);

    RouteModel model_;
    int violations_ = 0;
};

Texts4 RoutePropertyTest::segment(RandomTexts& random, double odd_share) {
    double p[3] = {0, 0, 0};
    for (int axes = 1 + random.below(3); axes > 0; --axes)
        p[random.below(3)] = std::round(random.uniform(-20, 20) * 10) / 10;
    const double straight = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
    const double length = straight * (random.chance(0.3) ? 1.0 : random.uniform(1, 1.6));
    Texts4 t = {QString::number(p[0]), QString::number(p[1]), QString::number(p[2]), QString::number(length, 'f', 2)};
    for (QString& text : t)
        if (random.chance(odd_share)) text = random.odd(-20, 20);
    if (random.chance(0.05)) t[std::size_t(random.below(4))].clear();
    return t;
}

void RoutePropertyTest::verify(const char* step, const std::optional<Message>& shown,
                               const std::optional<Message>& expected, const Snapshot& before) {
    QStringList broken;
    if (shown.has_value() != expected.has_value() ||
        (shown && (shown->title != expected->title || shown->text != expected->text || shown->buttons != 1)))
        broken << QStringLiteral("message: ") + (shown ? shown->title + " / " + shown->text : QStringLiteral("none")) +
                      QStringLiteral(", expected ") +
                      (expected ? expected->title + " / " + expected->text : QStringLiteral("none"));
    const auto expect = [&](const char* name, const QString& is, const QString& should) {
        if (is != should)
            broken << QString::fromLatin1(name) + QStringLiteral(" shows ") + shortened(is) +
                          QStringLiteral(", expected ") + shortened(should);
    };
    expect("qidian", text("qidian"), QString::number(model_.to - 1));
    expect("zhongdian", text("zhongdian"), QString::number(model_.to));
    expect("Label40", text("Label40"), model_.end ? QString::number(*model_.end) : QString());
    for (std::size_t i = 0; i < 4; ++i) expect(kSegmentFields[i], text(kSegmentFields[i]), model_.shown[i]);
    expect("Text55", text("Text55"), model_.verdict);
    if (find<QCheckBox>("Check1")->isChecked() != model_.marked) broken << QStringLiteral("Check1 wrong");
    if (find<QPushButton>("Command10")->isEnabled() != model_.previous_enabled)
        broken << QStringLiteral("Command10 enabled wrong");
    if (window().tabs()->currentIndex() != 10) broken << QStringLiteral("the page changed");
    broken << changedControls(before, snapshot(window()), kEditorControls);
    if (broken.isEmpty()) return;
    ++violations_;
    ADD_FAILURE() << step << " at To " << model_.to << ":\n  " << broken.join(QStringLiteral("\n  ")).toStdString();
}

void RoutePropertyTest::run(const Scenario& s) {
    RandomTexts random(s.seed);
    bool reached_last = false;
    int counts[6] = {}, messages = 0, suitable = 0, unsuitable = 0, open = 0;
    const int total = s.weights[0] + s.weights[1] + s.weights[2] + s.weights[3] + s.weights[4] + s.weights[5];
    for (int n = 0; n < s.steps / kCaseDivisor && violations_ < 5; ++n) {
        int pick = random.below(total), step = 0;
        while (pick >= s.weights[step]) pick -= s.weights[step++];
        const bool may_mark = !s.mark_after_last_node || reached_last;
        if (step == 4 && !may_mark) step = 0;
        ++counts[step];
        if (step == 0) {  // typing only: nothing is stored until a save
            const Texts4 typed = segment(random, random.chance(s.wild_share) ? 0.5 : 0.01);
            for (std::size_t i = 0; i < 4; ++i) setText(kSegmentFields[i], typed[i]);
            model_.shown = typed;
            const Snapshot now = snapshot(window());
            verify("typing", std::nullopt, std::nullopt, now);
            continue;
        }
        if (step == 1 && may_mark && (random.chance(s.mark_share) != model_.marked)) tick();
        if (step == 1 && !may_mark && model_.marked) tick();
        if (step == 5 && random.chance(0.3))
            for (const char* field : kPipeFields) setText(field, random.field(-50, 300, 0.1));
        if (step == 5 && random.chance(0.3)) {  // the default pipe data, so that the verdict goes either way
            const char* const defaults[] = {"108", "0.012", "200", "-10"};
            for (int i = 0; i < 4; ++i) setText(kPipeFields[i], QString::fromLatin1(defaults[i]));
        }

        const Snapshot before = snapshot(window());
        std::optional<Message> expected;
        std::optional<Message> shown;
        switch (step) {
            case 1: {  // 保存更新
                shown = clickAndCatch("Command9");
                if (std::any_of(model_.shown.begin(), model_.shown.end(),
                                [](const QString& t) { return t.isEmpty(); })) {
                    expected = Message{kTitle, QStringLiteral("请仔细核对数据！")};
                } else {
                    model_.records[std::size_t(model_.to)] = model_.shown;
                    if (model_.marked) model_.end = model_.to;
                }
                break;
            }
            case 2:  // 下一节点
                shown = clickAndCatch("Command11");
                model_.marked = false;
                if (model_.to >= kLastNode) {
                    expected = Message{kTitle, QStringLiteral("最大节点数为100 ")};
                } else if (!model_.end || model_.to < *model_.end) {
                    ++model_.to;
                    model_.shown = model_.records[std::size_t(model_.to)].value_or(Texts4{});
                    model_.previous_enabled = true;
                }
                reached_last = reached_last || model_.to == kLastNode;
                break;
            case 3:  // 上一节点, which does nothing at all while disabled
                shown = clickAndCatch("Command10");
                if (!model_.previous_enabled) break;
                model_.marked = false;
                if (model_.to > 1) {
                    --model_.to;
                    model_.shown = model_.records[std::size_t(model_.to)].value_or(Texts4{});
                }
                break;
            case 4:
                tick();
                break;
            default: {  // 计算
                shown = clickAndCatch("Command13");
                const Texts4 pipe = {text("Text51"), text("Text52"), text("Text53"), text("Text54")};
                const Verdict v = model_.end ? expectedVerdict(model_, pipe) : Verdict::DataCheck;
                const Message data_check{QStringLiteral("运行错误"), QStringLiteral("请仔细核对数据！")};
                if (!model_.end) {
                    expected = Message{kTitle, QStringLiteral("请确定最终节点")};
                } else if (v == Verdict::DataCheck || (v == Verdict::Either && shown)) {
                    expected = data_check;
                } else if (v == Verdict::Either) {
                    if (text("Text55") == kSuitable || text("Text55") == kNotSuitable) model_.verdict = text("Text55");
                } else {
                    model_.verdict = v == Verdict::Suitable ? kSuitable : kNotSuitable;
                }
                open += v == Verdict::Either;
                suitable += !shown && text("Text55") == kSuitable;
                unsuitable += !shown && text("Text55") == kNotSuitable;
                break;
            }
        }
        if (shown) ++messages;
        verify(step == 1   ? "save"
               : step == 2 ? "next"
               : step == 3 ? "previous"
               : step == 4 ? "tick"
                           : "calculate",
               shown, expected, before);
    }
    std::cout << "[ property ] 管道应力判断 seed " << s.seed << ": " << counts[0] << " typings, " << counts[1]
              << " saves, " << counts[2] << " nexts, " << counts[3] << " previouses, " << counts[4] << " ticks, "
              << counts[5] << " calculations (" << suitable << " suitable, " << unsuitable << " not suitable, " << open
              << " with either outcome allowed), " << messages << " messages, "
              << (reached_last ? "reached node 100, " : "") << violations_ << " broken\n";
}

// Short routes with end nodes: most calculations reach a verdict.
TEST_F(RoutePropertyTest, ShortRoutesWithEndNodes) {
    run({11, 1500, {25, 25, 20, 15, 5, 10}, 0.2, false, 0.2});
}

// One long route out to the hundredth node and against its limit; end nodes only after that.
TEST_F(RoutePropertyTest, LongRouteToTheLastNode) {
    run({12, 1500, {15, 20, 45, 8, 4, 8}, 0.05, true, 0.0});
}

// Back and forth over a route whose end node moves back now and then.
TEST_F(RoutePropertyTest, BackAndForth) {
    run({13, 1000, {20, 20, 25, 25, 5, 5}, 0.1, false, 0.3});
}

}  // namespace
}  // namespace vxr::test
