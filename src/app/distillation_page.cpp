#include "app/distillation_page.h"

#include <QPushButton>
#include <array>

namespace vxr::app {
namespace {

using In = calc::ColumnInput;

constexpr std::array<InputRow<In>, 7> kInputs = {{
    {"distFeed", "进料量（kmol/h）：", "100", &In::feed},
    {"distFeedComp", "进料组成 xF：", "0.4", &In::feed_comp},
    {"distTopComp", "塔顶产品组成 xD：", "0.95", &In::top_comp},
    {"distBottomComp", "塔底产品组成 xW：", "0.05", &In::bottom_comp},
    {"distAlpha", "相对挥发度 α：", "2.5", &In::alpha},
    {"distQ", "进料热状况参数 q：", "1", &In::q},
    {"distRefluxFactor", "回流比/最小回流比：", "1.5", &In::reflux_factor},
}};

constexpr std::array<Row, 9> kResults = {{
    {"distTopFlow", "塔顶产品量（kmol/h）："},
    {"distBottomFlow", "塔底产品量（kmol/h）："},
    {"distMinReflux", "最小回流比："},
    {"distReflux", "回流比："},
    {"distMinStages", "最少理论板数（含再沸器）："},
    {"distStages", "理论板数（含再沸器）："},
    {"distPlates", "理论板数（不含再沸器，圆整）："},
    {"distRectifyingStages", "精馏段理论板数："},
    {"distFeedPlate", "加料板位置（自塔顶数起）："},
}};

}  // namespace

DistillationPage::DistillationPage(QWidget* parent) : CalcPage(QStringLiteral("精馏计算"), parent) {
    fields_ = inputFrame<In>("distInputFrame", {120, 990, 9780, 2100}, kInputs, 2);
    resultFrame("distResultFrame", {120, 3300, 9780, 2520}, kResults, 2);
    QPushButton* button = calculateButton("distCalculate");
    connect(button, &QPushButton::clicked, this, [this] { calculate(fields_, calc::shortcut_column); });
}

}  // namespace vxr::app
