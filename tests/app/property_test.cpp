// Random cases through the real window, from fixed seeds, on every page with a 计算 button: whatever is typed into the
// fields and whichever options are chosen, a click writes into every result box exactly what the core gives for the
// same texts, or shows the core's refusal and leaves every result as it was. Either way no other field, option or
// check box of any page changes, and what the user typed stays as typed. The core is called here from the boxes'
// object names in the order of its input members, so a box bound to the wrong member or two swapped boxes fail.
#include <QTest>
#include <cmath>

#include "app/tab_control.h"
#include "calc/absorption/packed_absorber.h"
#include "calc/distillation/shortcut_column.h"
#include "calc/drying/convective_dryer.h"
#include "calc/evaporation/single_effect.h"
#include "calc/heat/condensation.h"
#include "calc/heat/forced_convection.h"
#include "calc/hydraulics/friction_loss.h"
#include "calc/hydraulics/pipe_diameter.h"
#include "calc/pump/installation_height.h"
#include "calc/relief/relief_valve.h"
#include "window_test_support.h"

namespace vxr::test {
namespace {

using On = std::function<bool(const char*)>;  // whether an option button is checked
// What the page must show for the texts of its inputs: the result texts joined by " | ", or the refusal's message box.
using Core = std::function<QString(const std::vector<std::string>&, const On&)>;

// The core called on the texts of its first N members, the options setting the rest.
template <class In, std::size_t N, class Calc>
Core core(Calc calc, void (*options)(In&, const On&) = nullptr) {
    return [=](const std::vector<std::string>& t, const On& on) {
        In in = [&]<std::size_t... I>(std::index_sequence<I...>) {
            return In{t[I]...};
        }
        (std::make_index_sequence<N>{});
        if (options) options(in, on);
        const frame::Outcome<In> outcome = calc(in);
        if (const auto* refusal = std::get_if<frame::Refusal<In>>(&outcome))
            return "运行错误 / " +
                   QString::fromStdString(refusal->message.empty() ? "请仔细核对数据！" : refusal->message);
        QStringList results;
        for (const auto& r : std::get<frame::Explained>(outcome).results) results << QString::fromStdString(r.text);
        return results.join(" | ");
    };
}

struct Page {
    int tab;
    const char* calculate;
    std::vector<const char*> inputs;                      // in the order of the core's input members
    std::vector<const char*> results;                     // in the order of the core's results
    std::vector<std::vector<const char*>> option_groups;  // option buttons, group by group
    Core core;
};

using calc::CondensingSurface, calc::PipeShape;
// clang-format off
const Page kPages[] = {
    {0, "Command1", {"Text3", "Text4", "Text10", "Text9", "Text16", "Text15"},
     {"Text5", "Text6", "Text8", "Text7", "Text14", "Text13"}, {},
     core<calc::PipeSections, 6>(calc::size_pipes)},
    {1, "Command6", {"Text32", "Text33", "Text34", "Text35", "Text31", "Text23", "Text29", "Text28", "Text24", "Text25",
                     "Text22", "Text21", "Text20", "Text19"},
     {"Text27", "Text26"}, {}, core<calc::PipeRunInput, 14>(calc::friction_loss)},
    {2, "Command3", {"Text41", "Text42", "Text43", "Text44", "Text45"}, {"Text46"}, {},
     core<calc::PumpSuctionInput, 5>(calc::installation_height)},
    {3, "Command14", {"Text59", "Text63", "Text67", "Text66", "Text65", "Text64", "Text62", "Text61", "Text57", "Text60",
                      "Text58"},
     {"Text56"}, {{"Option3", "Option4", "Option5", "Option6"}, {"Option1", "Option2"}},
     core<calc::ConvectionInput, 11>(calc::convection_film_coefficient, [](calc::ConvectionInput& in, const On& on) {
         in.shape = on("Option4") ? PipeShape::Bent : on("Option5") ? PipeShape::Coil
                  : on("Option6") ? PipeShape::Annulus : PipeShape::Straight;
         in.heated = on("Option1");
     })},
    {4, "Command8", {"Text82", "Text79", "Text74", "Text78", "Text81", "Text80", "Text73", "Text76", "Text75", "Text72",
                     "Text71", "Text70"},
     {"Text83"}, {{"Option10", "Option9", "Option8", "Option7"}},
     core<calc::CondensationInput, 12>(calc::condensation_film_coefficient, [](calc::CondensationInput& in, const On& on) {
         in.surface = on("Option10") ? CondensingSurface::Inclined : on("Option8") ? CondensingSurface::HorizontalTubeOutside
                    : on("Option7") ? CondensingSurface::HorizontalTubeInside : CondensingSurface::VerticalTube;
     })},
    {5, "distCalculate", {"distFeed", "distFeedComp", "distTopComp", "distBottomComp", "distAlpha", "distQ", "distRefluxFactor"},
     {"distTopFlow", "distBottomFlow", "distMinReflux", "distReflux", "distMinStages", "distStages", "distPlates",
      "distRectifyingStages", "distFeedPlate"}, {}, core<calc::ColumnInput, 7>(calc::shortcut_column)},
    {6, "evapCalculate", {"evapFeed", "evapFeedConc", "evapProductConc", "evapFeedTemp", "evapFeedCp", "evapVapourTemp",
                          "evapVapourLatent", "evapTempLoss", "evapSteamTemp", "evapSteamLatent", "evapK", "evapHeatLoss"},
     {"evapWater", "evapProduct", "evapBoilingPoint", "evapDuty", "evapSteam", "evapEconomy", "evapTempDiff", "evapArea"},
     {}, core<calc::EvaporationInput, 12>(calc::single_effect_evaporator)},
    {7, "dryCalculate", {"dryWetFeed", "dryInitialMoisture", "dryFinalMoisture", "dryPressure", "dryAirTemp",
                         "dryAirHumidity", "dryPreheatTemp", "dryExhaustTemp"},
     {"dryWater", "dryProduct", "dryFreshHumidity", "dryExhaustHumidity", "dryExhaustRH", "dryDryAir", "dryFreshAir",
      "dryHeater", "dryEfficiency"}, {}, core<calc::DryerInput, 8>(calc::convective_dryer)},
    {8, "absCalculate", {"absGasFlow", "absInletGas", "absRecovery", "absInletLiquid", "absSlope", "absRatioFactor", "absHOG"},
     {"absOutletGas", "absMinRatio", "absRatio", "absLiquidFlow", "absOutletLiquid", "absStripping", "absNOG", "absHeight"},
     {}, core<calc::AbsorberInput, 7>(calc::packed_absorber)},
    {9, "reliefCalculate", {"reliefFlow", "reliefSetPressure", "reliefOverpressure", "reliefBackPressure", "reliefAtmosphere",
                            "reliefCoefficient", "reliefMolarMass", "reliefTemperature", "reliefZ",
                            "reliefAdiabaticExponent", "reliefDensity"},
     {"reliefPressure", "reliefRegime", "reliefCriticalRatio", "reliefC", "reliefArea", "reliefThroat"},
     {{"reliefGas", "reliefLiquid"}},
     core<calc::ReliefInput, 11>(calc::relief_valve, [](calc::ReliefInput& in, const On& on) {
         in.medium = on("reliefGas") ? calc::ReliefMedium::Gas : calc::ReliefMedium::Liquid;
     })},
};
// clang-format on

constexpr double kOddShares[] = {0.0, 0.03, 0.1, 0.3, 1.0};  // of a case's inputs: none, all, or some odd

class PropertyTest : public WindowTest, public ::testing::WithParamInterface<int> {
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
        std::vector<std::string> texts;
        QStringList typed, results, names;
        for (const char* input : page_.inputs)
            texts.push_back(text(input).toStdString()), typed << text(input).left(30);
        const QString expected = page_.core(texts, [&](const char* option) { return checked(option); });
        const QStringList before = snapshot(window());
        const auto message = clickAndCatch(page_.calculate);
        for (const char* r : page_.results) results << text(r), names << r;
        const QString shown = message ? message->describe() : results.join(" | ");
        QStringList broken = changed(before, snapshot(window()), message ? QStringList() : names);
        if (shown != expected) broken << "page " + shown + "\n  core " + expected;
        if (window().tabs()->currentIndex() != page_.tab) broken << "the page changed";
        if (broken.isEmpty()) return;
        ++violations_;
        ADD_FAILURE() << what.toStdString() << ": " << typed.join(" ; ").toStdString() << "\n  "
                      << broken.join("\n  ").toStdString();
    }

    const Page& page_ = kPages[GetParam()];
    std::mt19937_64 random_{std::uint64_t(GetParam() + 1)};
    int violations_ = 0;
};

TEST_P(PropertyTest, ResultsAreTheCoresAndNothingElseChanges) {
    showPage(page_.tab);
    QStringList defaults;
    for (const char* input : page_.inputs) defaults << text(input);
    // The wiring: from the defaults, with every choice of options, each input in turn changed a little.
    std::size_t choices = 1;
    for (const auto& group : page_.option_groups) choices *= group.size();
    for (std::size_t c = 0; c < choices && violations_ < 5; ++c) {
        for (std::size_t k = c; const auto& group : page_.option_groups)
            click(group[k % group.size()]), k /= group.size();
        for (std::size_t i = 0; i < page_.inputs.size(); ++i) {
            for (std::size_t j = 0; j < page_.inputs.size(); ++j)
                setText(page_.inputs[j],
                        j != i ? defaults[qsizetype(j)]
                               : QString::number(defaults[qsizetype(j)].toDouble() * 1.03 + 0.001, 'g', 12));
            calculateAndCompare(QString("options %1, %2 changed").arg(c).arg(page_.inputs[i]));
        }
    }
    // Random cases.
    for (int n = 0; n < 300 / kCaseDivisor && violations_ < 5; ++n) {
        const double odd_share = kOddShares[random_() % std::size(kOddShares)];
        const bool near = chance(0.6);  // most cases near the defaults, where the added pages' conditions mostly hold
        for (qsizetype i = 0; i < defaults.size(); ++i)
            enter(page_.inputs[std::size_t(i)], around(defaults[i].toDouble(), near, odd_share));
        for (const auto& group : page_.option_groups)
            if (auto* option = find<QAbstractButton>(group[random_() % group.size()]); chance(0.5))  // on its circle
                QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        if (HasFatalFailure()) return;
        calculateAndCompare(QString("case %1").arg(n));
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, PropertyTest, ::testing::Range(0, int(std::size(kPages))));

}  // namespace
}  // namespace vxr::test
