#include "page_cores.h"

#include "calc/heat/condensation.h"
#include "calc/heat/forced_convection.h"
#include "calc/hydraulics/friction_loss.h"
#include "calc/hydraulics/pipe_diameter.h"
#include "calc/outcome_support.h"
#include "calc/pump/installation_height.h"

namespace vxr::test {
namespace {

bool on(const Texts& t, const char* option) {
    const auto found = t.find(option);
    return found != t.end() && found->second == "1";
}

}  // namespace

std::optional<std::vector<std::string>> pipeDiameterCore(const Texts& t) {
    return results(calc::size_pipes(
        {{{t.at("Text3"), t.at("Text4")}, {t.at("Text10"), t.at("Text9")}, {t.at("Text16"), t.at("Text15")}}}));
}

std::optional<std::vector<std::string>> frictionCore(const Texts& t) {
    return results(calc::friction_loss({t.at("Text32"), t.at("Text33"), t.at("Text34"), t.at("Text35"), t.at("Text31"),
                                        t.at("Text23"), t.at("Text29"), t.at("Text28"), t.at("Text24"), t.at("Text25"),
                                        t.at("Text22"), t.at("Text21"), t.at("Text20"), t.at("Text19")}));
}

std::optional<std::vector<std::string>> pumpCore(const Texts& t) {
    return results(
        calc::installation_height({t.at("Text41"), t.at("Text42"), t.at("Text43"), t.at("Text44"), t.at("Text45")}));
}

std::optional<std::vector<std::string>> convectionCore(const Texts& t) {
    using calc::PipeShape;
    const PipeShape shape = on(t, "Option4")   ? PipeShape::Bent
                            : on(t, "Option5") ? PipeShape::Coil
                            : on(t, "Option6") ? PipeShape::Annulus
                                               : PipeShape::Straight;
    return results(calc::convection_film_coefficient(
        {t.at("Text59"), t.at("Text63"), t.at("Text67"), t.at("Text66"), t.at("Text65"), t.at("Text64"), t.at("Text62"),
         t.at("Text61"), t.at("Text57"), t.at("Text60"), t.at("Text58"), shape, on(t, "Option1")}));
}

std::optional<std::vector<std::string>> condensationCore(const Texts& t) {
    using calc::CondensingSurface;
    const CondensingSurface surface = on(t, "Option10")  ? CondensingSurface::Inclined
                                      : on(t, "Option8") ? CondensingSurface::HorizontalTubeOutside
                                      : on(t, "Option7") ? CondensingSurface::HorizontalTubeInside
                                                         : CondensingSurface::VerticalTube;
    return results(calc::condensation_film_coefficient(
        {t.at("Text82"), t.at("Text79"), t.at("Text74"), t.at("Text78"), t.at("Text81"), t.at("Text80"), t.at("Text73"),
         t.at("Text76"), t.at("Text75"), t.at("Text72"), t.at("Text71"), t.at("Text70"), surface}));
}

}  // namespace vxr::test
