// Random cases through the real window, from fixed seeds: whatever is typed into the fields of a calculating page
// and whichever options are chosen, a click on its 计算 writes into every result field exactly what the core gives
// for the same texts, or, where the core refuses, shows the data-check message and leaves every result field as it
// was. Either way no other field, option or check box of any page changes, and what the user typed stays as typed.
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <iostream>
#include <vector>

#include "app/tab_control.h"
#include "page_cores.h"
#include "property_support.h"
#include "window_test_support.h"

namespace vxr::test {
namespace {

// An input field and the range of sensible values for it.
struct Input {
    const char* name;
    double lo;
    double hi;
};

struct Page {
    const char* title;
    int index;
    const char* calculate;
    std::vector<Input> inputs;
    std::vector<const char*> notes;                       // fields no calculation reads
    std::vector<std::vector<const char*>> option_groups;  // option buttons, group by group
    QStringList results;
    CoreCall core;
    int cases;
    std::uint64_t seed;
};

// clang-format off
const Page kPipeDiameter{"管径计算", 0, "Command1",
    {{"Text3", 0, 2000}, {"Text4", 0.1, 5}, {"Text10", 0, 2000}, {"Text9", 0.1, 5}, {"Text16", 0, 2000},
     {"Text15", 0.1, 5}},
    {"Text1", "Text2", "Text12", "Text11", "Text18", "Text17"},
    {},
    {"Text5", "Text6", "Text8", "Text7", "Text14", "Text13"}, pipeDiameterCore, 1200, 1};

const Page kFriction{"管道阻力计算", 1, "Command6",
    {{"Text34", 500, 2000}, {"Text33", 0.1, 5}, {"Text35", 1e-4, 0.5}, {"Text32", 10, 1000}, {"Text31", 0.01, 2},
     {"Text23", 1, 1000}, {"Text29", 0, 10}, {"Text28", 0, 10}, {"Text24", 0, 10}, {"Text25", 0, 10},
     {"Text22", 0, 10}, {"Text21", 0, 10}, {"Text20", 0, 10}, {"Text19", 0, 10}},
    {"Text37", "Text36", "Text30"},
    {},
    {"Text27", "Text26"}, frictionCore, 1000, 2};

const Page kPump{"离心泵安装高度计算", 2, "Command3",
    {{"Text41", 500, 1500}, {"Text42", 10, 500}, {"Text43", 0.5, 100}, {"Text45", 1, 8}, {"Text44", 0, 5}},
    {"Text39", "Text40", "Text38"},
    {},
    {"Text46"}, pumpCore, 1200, 3};

const Page kConvection{"传热膜系数计算", 3, "Command14",
    {{"Text67", 500, 1500}, {"Text65", 1000, 5000}, {"Text66", 1e-4, 0.05}, {"Text64", 0.05, 1}, {"Text63", 0.01, 5},
     {"Text59", 0.01, 0.5}, {"Text57", 0.5, 10}, {"Text62", 0.1, 2}, {"Text61", 0.2, 3}, {"Text60", 0.05, 0.5},
     {"Text58", 0.02, 0.4}},
    {"Text68"},
    {{"Option3", "Option4", "Option5", "Option6"}, {"Option1", "Option2"}},
    {"Text56"}, convectionCore, 1200, 4};

const Page kCondensation{"冷凝膜系数", 4, "Command8",
    {{"Text78", 200, 3000}, {"Text80", 1e-4, 0.01}, {"Text81", 0.1, 1}, {"Text79", 0.001, 5}, {"Text82", 500, 1500},
     {"Text76", 100, 200}, {"Text75", 20, 150}, {"Text74", 0, 180}, {"Text73", 0.1, 10}, {"Text72", 1000, 5000},
     {"Text71", 0.01, 0.5}, {"Text70", 0.01, 0.5}},
    {"Text77"},
    {{"Option10", "Option9", "Option8", "Option7"}},
    {"Text83"}, condensationCore, 1200, 5};
// clang-format on

// Share of odd texts among a case's inputs: some cases are all sensible, some all odd, most in between.
constexpr double kOddShares[] = {0.0, 0.03, 0.1, 0.3, 1.0};

class PropertyTest : public WindowTest {
protected:
    // Puts a text into a field: short plain texts typed key by key, the rest set at once.
    void enter(RandomTexts& random, const char* field, const QString& text) {
        const bool typeable = text.size() < 40 && !text.contains(QLatin1Char('\t'));
        if (typeable && random.chance(0.1))
            type(field, text);
        else
            setText(field, text);
        ASSERT_EQ(this->text(field), text) << field << " does not hold what was typed";
    }

    // Clicks an option button as a user does, on its round indicator.
    void choose(const char* option) {
        auto* button = find<QRadioButton>(option);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        ASSERT_TRUE(button->isChecked()) << option;
    }

    void run(const Page& page);
};

void PropertyTest::run(const Page& page) {
    showPage(page.index);
    RandomTexts random(page.seed);
    int cases = 0, written = 0, refused = 0, violations = 0;
    for (; cases < page.cases / kCaseDivisor && violations < 5; ++cases) {
        const double odd_share = kOddShares[random.below(5)];
        QStringList typed;
        Texts texts;
        for (const Input& input : page.inputs) {
            const QString t = random.field(input.lo, input.hi, odd_share);
            enter(random, input.name, t);
            typed << QString::fromLatin1(input.name) + QLatin1Char('=') + shortened(t);
            texts[input.name] = t.toStdString();
        }
        for (const char* note : page.notes)
            if (random.chance(0.2)) enter(random, note, random.note());
        for (const auto& group : page.option_groups)
            if (random.chance(0.5)) choose(group[static_cast<std::size_t>(random.below(int(group.size())))]);
        for (const auto& group : page.option_groups)
            for (const char* option : group) {
                const bool on = find<QRadioButton>(option)->isChecked();
                texts[option] = on ? "1" : "0";
                if (on) typed << QString::fromLatin1(option);
            }
        if (::testing::Test::HasFatalFailure()) return;
        const auto expected = page.core(texts);

        const Snapshot before = snapshot(window());
        const auto message = clickAndCatch(page.calculate);
        const Snapshot after = snapshot(window());

        QStringList broken;
        if (window().tabs()->currentIndex() != page.index) broken << QStringLiteral("the page changed");
        if (message.has_value() == expected.has_value())
            broken << (message ? QStringLiteral("refused where the core computes")
                               : QStringLiteral("computed where the core refuses"));
        if (message) {
            ++refused;
            if (message->title != QStringLiteral("运行错误") || message->text != QStringLiteral("请仔细核对数据！") ||
                message->buttons != 1 || message->icon != QMessageBox::NoIcon)
                broken << QStringLiteral("message ") + message->title + QStringLiteral(" / ") + message->text;
            broken << changedControls(before, after);  // the results included
        } else {
            ++written;
            for (qsizetype i = 0; expected && i < page.results.size(); ++i) {
                const QString t = text(page.results[i].toLatin1().constData());
                const QString core = QString::fromStdString(expected->at(std::size_t(i)));
                if (t != core) broken << page.results[i] + QStringLiteral(" shows ") + shortened(t) + " not " + core;
            }
            broken << changedControls(before, after, page.results);
        }
        if (!broken.isEmpty()) {
            ++violations;
            ADD_FAILURE() << page.title << " case " << cases << ": " << typed.join(QLatin1Char(' ')).toStdString()
                          << "\n  " << broken.join(QStringLiteral("\n  ")).toStdString();
        }
    }
    std::cout << "[ property ] " << page.title << ": " << cases << " cases, " << written << " results written, "
              << refused << " data-check messages, " << violations << " broken\n";
}

TEST_F(PropertyTest, PipeDiameterPage) {
    run(kPipeDiameter);
}
TEST_F(PropertyTest, FrictionPage) {
    run(kFriction);
}
TEST_F(PropertyTest, PumpPage) {
    run(kPump);
}
TEST_F(PropertyTest, ConvectionPage) {
    run(kConvection);
}
TEST_F(PropertyTest, CondensationPage) {
    run(kCondensation);
}

}  // namespace
}  // namespace vxr::test
