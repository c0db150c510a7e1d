// Random cases through the real window, from fixed seeds: whatever is typed into the fields of a calculating page and
// whichever options are chosen, a click on its 计算 writes into every result field exactly what the core gives for the
// same texts, or, where the core refuses, shows the data-check message and leaves every result field as it was. Either
// way no other field, option or check box of any page changes, and what the user typed stays as typed.
#include <QRadioButton>
#include <QTest>

#include "app/tab_control.h"
#include "page_cores.h"
#include "property_support.h"
#include "window_test_support.h"

namespace vxr::test {
namespace {

struct Input {  // an input field and the range of sensible values for it
    const char* name;
    double lo, hi;
};

struct Page {  // in the order of the tabs
    const char* calculate;
    std::vector<Input> inputs;
    std::vector<const char*> notes;                       // fields no calculation reads
    std::vector<std::vector<const char*>> option_groups;  // option buttons, group by group
    QStringList results;
    CoreCall core;
};

// clang-format off
const Page kPages[] = {
    {"Command1",
     {{"Text3", 0, 2000}, {"Text4", 0.1, 5}, {"Text10", 0, 2000}, {"Text9", 0.1, 5}, {"Text16", 0, 2000},
      {"Text15", 0.1, 5}},
     {"Text1", "Text2", "Text12", "Text11", "Text18", "Text17"}, {},
     {"Text5", "Text6", "Text8", "Text7", "Text14", "Text13"}, pipeDiameterCore},
    {"Command6",
     {{"Text34", 500, 2000}, {"Text33", 0.1, 5}, {"Text35", 1e-4, 0.5}, {"Text32", 10, 1000}, {"Text31", 0.01, 2},
      {"Text23", 1, 1000}, {"Text29", 0, 10}, {"Text28", 0, 10}, {"Text24", 0, 10}, {"Text25", 0, 10},
      {"Text22", 0, 10}, {"Text21", 0, 10}, {"Text20", 0, 10}, {"Text19", 0, 10}},
     {"Text37", "Text36", "Text30"}, {}, {"Text27", "Text26"}, frictionCore},
    {"Command3",
     {{"Text41", 500, 1500}, {"Text42", 10, 500}, {"Text43", 0.5, 100}, {"Text45", 1, 8}, {"Text44", 0, 5}},
     {"Text39", "Text40", "Text38"}, {}, {"Text46"}, pumpCore},
    {"Command14",
     {{"Text67", 500, 1500}, {"Text65", 1000, 5000}, {"Text66", 1e-4, 0.05}, {"Text64", 0.05, 1},
      {"Text63", 0.01, 5}, {"Text59", 0.01, 0.5}, {"Text57", 0.5, 10}, {"Text62", 0.1, 2}, {"Text61", 0.2, 3},
      {"Text60", 0.05, 0.5}, {"Text58", 0.02, 0.4}},
     {"Text68"}, {{"Option3", "Option4", "Option5", "Option6"}, {"Option1", "Option2"}}, {"Text56"},
     convectionCore},
    {"Command8",
     {{"Text78", 200, 3000}, {"Text80", 1e-4, 0.01}, {"Text81", 0.1, 1}, {"Text79", 0.001, 5},
      {"Text82", 500, 1500}, {"Text76", 100, 200}, {"Text75", 20, 150}, {"Text74", 0, 180}, {"Text73", 0.1, 10},
      {"Text72", 1000, 5000}, {"Text71", 0.01, 0.5}, {"Text70", 0.01, 0.5}},
     {"Text77"}, {{"Option10", "Option9", "Option8", "Option7"}}, {"Text83"}, condensationCore},
};
// clang-format on

constexpr double kOddShares[] = {0.0, 0.03, 0.1, 0.3, 1.0};  // of a case's inputs: none, all, or some odd

class PropertyTest : public WindowTest, public ::testing::WithParamInterface<int> {
protected:
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }
    // Puts a text into a field: now and then a short plain text typed key by key, else set at once.
    void enter(const char* field, const QString& text) {
        text.size() < 40 && !text.contains('\t') && chance(0.1) ? type(field, text) : setText(field, text);
        ASSERT_EQ(this->text(field), text) << field << " does not hold what was typed";
    }

    std::mt19937_64 random_{std::uint64_t(GetParam() + 1)};
};

TEST_P(PropertyTest, ResultsAreTheCoresAndNothingElseChanges) {
    const Page& page = kPages[GetParam()];
    showPage(GetParam());
    int violations = 0;
    for (int n = 0; n < 400 / kCaseDivisor && violations < 5; ++n) {
        const double odd_share = kOddShares[random_() % std::size(kOddShares)];
        Texts texts;
        QStringList typed;
        for (const Input& input : page.inputs) {
            const QString t = fieldText(random_, input.lo, input.hi, odd_share);
            enter(input.name, t);
            texts[input.name] = t.toStdString();
            typed << input.name + ("=\"" + t.left(30)) + (t.size() > 30 ? "…\"" : "\"");
        }
        for (const char* note : page.notes)
            if (chance(0.2)) enter(note, fieldText(random_, -100, 100, 0.5));
        for (const auto& group : page.option_groups) {
            if (auto* option = find<QRadioButton>(group[random_() % group.size()]); chance(0.5))  // on its circle
                QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
            for (const char* option : group) {
                texts[option] = checked(option) ? "1" : "0";
                if (checked(option)) typed << option;
            }
        }
        if (HasFatalFailure()) return;
        const auto expected = page.core(texts);

        const QStringList before = snapshot(window());
        const auto message = clickAndCatch(page.calculate);
        QStringList broken = changed(before, snapshot(window()), message ? QStringList() : page.results);
        if (window().tabs()->currentIndex() != GetParam()) broken << "the page changed";
        const QString shown = !message ? "no message"
                                       : message->title + " / " + message->text + " (buttons " +
                                             QString::number(message->buttons) + ", icon " +
                                             QString::number(message->icon) + ")";
        if (shown != (expected ? "no message" : "运行错误 / 请仔细核对数据！ (buttons 1, icon 0)"))
            broken << shown + " where the core " + (expected ? "computes" : "refuses");
        QStringList results, core;
        for (qsizetype i = 0; expected && !message && i < page.results.size(); ++i) {
            results << text(page.results[i].toLatin1().constData());
            core << expected->at(std::size_t(i)).c_str();
        }
        if (results != core) broken << "results " + results.join(" | ") + ", core " + core.join(" | ");
        if (broken.isEmpty()) continue;
        ++violations;
        ADD_FAILURE() << "page " << GetParam() << " case " << n << ": " << typed.join(' ').toStdString() << "\n  "
                      << broken.join("\n  ").toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, PropertyTest, ::testing::Range(0, int(std::size(kPages))));

}  // namespace
}  // namespace vxr::test
