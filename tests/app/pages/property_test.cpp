// Random cases through the real window, from fixed seeds, on every page with a 计算 button and no route (as the page
// list and the field tables have them): whatever is typed and chosen, a click writes into every result box what the
// core gives for the same texts, or shows the core's refusal and leaves every result as it was; no other control of
// any page changes, and what the user typed stays as typed.
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "app/kit/tab_control.h"
#include "app/pages/page_list.h"
#include "app/window_test_support.h"
#include "calc/catalogue.h"

namespace vxr::test {
namespace {

// The pages with a calculation read from their fields alone (the route page has its own test).
std::vector<const char*> calculatingPages() {
    std::vector<const char*> pages;
    for (const app::PageInfo& p : app::pages())
        if (const calc::Calculation* c = p.calc();
            c && std::none_of(c->fields().begin(), c->fields().end(),
                              [](auto& f) { return f.kind == frame::Kind::Segment; }))
            pages.push_back(p.name);
    return pages;
}

std::vector<const char*> named(const calc::Calculation& c, frame::Kind kind) {
    std::vector<const char*> names;
    for (const frame::Field& f : c.fields())
        if (f.kind == kind) names.push_back(f.name);
    return names;
}

// The option buttons of the table, group by group.
std::vector<std::vector<const char*>> optionGroups(const calc::Calculation& c) {
    std::vector<std::vector<const char*>> groups;
    const char* group = nullptr;
    for (const frame::Field& f : c.fields()) {
        if (f.kind != frame::Kind::Option) continue;
        if (!group || std::string_view(group) != f.group) groups.emplace_back();
        group = f.group;
        groups.back().push_back(f.name);
    }
    return groups;
}

constexpr double kOddShares[] = {0.0, 0.03, 0.1, 0.3, 1.0};  // of a case's inputs: none, all, or some odd

class PropertyTest : public WindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }
    // A text for a field whose default is `d`: near it in a near case, else anywhere from a hundredth to ten times it.
    QString around(double d, bool near, double odd_share) {
        const double v =
            (d == 0 ? 0.001 : d) * (near ? std::uniform_real_distribution<double>(0.8, 1.2)(random_)
                                         : std::pow(10, std::uniform_real_distribution<double>(-2, 1)(random_)));
        return fieldText(random_, v, v, odd_share);
    }
    // Puts a text into a field: now and then a short plain text typed key by key, else set at once.
    void enter(const char* field, const QString& text) {
        const bool typed = text.size() < 40 && !text.contains('\t') && find(field)->isEnabled() && chance(0.1);
        typed ? type(field, text) : setText(field, text);
        ASSERT_EQ(this->text(field), text) << field << " does not hold what was typed";
    }

    // Clicks 计算 and compares the page with the core called on the texts its inputs hold.
    void calculateAndCompare(const QString& what) {
        calc::Case c;
        QStringList typed, results;
        for (const char* input : inputs_) c.texts.push_back(text(input).toStdString()), typed << text(input).left(30);
        for (const auto& group : groups_)
            for (const char* option : group) c.chosen.push_back(checked(option));
        const calc::Answer answer = calc_.run(c);
        QString expected;
        if (const auto* refused = std::get_if<calc::Refused>(&answer))
            expected = (refused->app_title ? "VXR / " : "运行错误 / ") +
                       QString::fromStdString(refused->message.empty() ? "请仔细核对数据！" : refused->message);
        else
            for (const auto& r : std::get<frame::Explained>(answer).results)
                expected += (expected.isEmpty() ? "" : " | ") + QString::fromStdString(r.text);
        const QStringList before = snapshot(window());
        QStringList names;  // a button that waits for a calculation (图解…) may be enabled by one that finishes
        for (const QPushButton* b : window().page(page_.name)->findChildren<QPushButton*>())
            if (!b->isEnabled()) names << b->objectName();
        const auto message = clickAndCatch(button_.constData());
        for (const char* r : results_) results << text(r);
        const QString shown = message ? message->describe() : results.join(" | ");
        for (const char* r : results_) names << r;
        QStringList broken = changed(before, snapshot(window()), message ? QStringList() : names);
        if (shown != expected) broken << "page " + shown + "\n  core " + expected;
        if (window().tabs()->currentIndex() != tab_) broken << "the page changed";
        if (broken.isEmpty()) return;
        ++violations_;
        ADD_FAILURE() << what.toStdString() << ": " << typed.join(" ; ").toStdString() << "\n  "
                      << broken.join("\n  ").toStdString();
    }

    const app::PageInfo& page_ = *app::findPage(GetParam());
    const calc::Calculation& calc_ = *page_.calc();
    const std::vector<const char*> inputs_ = named(calc_, frame::Kind::Input);
    const std::vector<const char*> results_ = named(calc_, frame::Kind::Result);
    const std::vector<std::vector<const char*>> groups_ = optionGroups(calc_);
    const QByteArray button_ = page(page_.name)->calculateButton()->objectName().toLatin1();
    const int tab_ = int(&page_ - app::pages().data());
    std::mt19937_64 random_{std::uint64_t(tab_ + 1)};
    int violations_ = 0;
};

TEST_P(PropertyTest, ResultsAreTheCoresAndNothingElseChanges) {
    showPage(page_.name);
    QStringList defaults;
    for (const char* input : inputs_) defaults << text(input);
    // The wiring: from the defaults, with every choice of options, each input in turn changed a little.
    std::size_t choices = 1;
    for (const auto& group : groups_) choices *= group.size();
    for (std::size_t c = 0; c < choices && violations_ < 5; ++c) {
        for (std::size_t k = c; const auto& group : groups_) click(group[k % group.size()]), k /= group.size();
        for (std::size_t i = 0; i < inputs_.size(); ++i) {
            for (std::size_t j = 0; j < inputs_.size(); ++j)
                setText(inputs_[j], j != i
                                        ? defaults[qsizetype(j)]
                                        : QString::number(defaults[qsizetype(j)].toDouble() * 1.03 + 0.001, 'g', 12));
            calculateAndCompare(QString("options %1, %2 changed").arg(c).arg(inputs_[i]));
        }
    }
    // Random cases.
    for (int n = 0; n < 300 / kCaseDivisor && violations_ < 5; ++n) {
        const double odd_share = kOddShares[random_() % std::size(kOddShares)];
        const bool near = chance(0.6);  // most cases near the defaults, where the added pages' conditions mostly hold
        for (qsizetype i = 0; i < defaults.size(); ++i)
            enter(inputs_[std::size_t(i)], around(defaults[i].toDouble(), near, odd_share));
        for (const auto& group : groups_)
            if (auto* option = find<QAbstractButton>(group[random_() % group.size()]); chance(0.5))  // on its circle
                QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        if (HasFatalFailure()) return;
        calculateAndCompare(QString("case %1").arg(n));
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, PropertyTest, ::testing::ValuesIn(calculatingPages()),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace vxr::test
