#include "app/pages/pipe_diameter_page.h"

#include <QPushButton>
#include <QRegularExpression>
#include <cmath>

namespace vxr::app {
namespace {

// The three pipe sections, top to bottom; the control numbers do not follow one pattern from section to section.
constexpr Place kPlaces[] = {
    {"Text1", {2535, 1560, 2055, 300}, "label1", {690, 1650, 720, 195}},
    {"Text2", {7155, 1530, 1845, 300}, "Label2", {5760, 1650, 720, 195}},
    {"Text3", {2535, 2220, 2055, 300}, "Label3", {690, 2280, 2115, 195}},
    {"Text4", {7155, 2160, 1845, 300}, "Label4", {5760, 2265, 1230, 195}},
    {"Text12", {2535, 3855, 2055, 300}, "Label12", {690, 3945, 720, 195}},
    {"Text11", {7095, 3840, 1845, 300}, "Label11", {5760, 3945, 720, 195}},
    {"Text10", {2535, 4515, 2055, 300}, "Label10", {675, 4575, 2115, 195}},
    {"Text9", {7140, 4455, 1845, 300}, "Label9", {5760, 4560, 1230, 195}},
    {"Text18", {2535, 6105, 2055, 300}, "Label18", {690, 6195, 720, 195}},
    {"Text17", {7155, 6075, 1845, 300}, "Label17", {5760, 6195, 720, 195}},
    {"Text16", {2535, 6765, 2055, 300}, "Label16", {690, 6825, 2115, 195}},
    {"Text15", {7155, 6705, 1845, 300}, "Label15", {5760, 6810, 1230, 195}},
    {"Text5", {2535, 2835, 2055, 300}, "Label5", {690, 2880, 1545, 195}},
    {"Text6", {7155, 2775, 1845, 300}, "Label6", {5760, 2880, 1350, 195}},
    {"Text8", {2535, 5130, 2055, 300}, "Label8", {690, 5175, 1545, 195}},
    {"Text7", {7155, 5070, 1845, 300}, "Label7", {5745, 5175, 1350, 195}},
    {"Text14", {2535, 7335, 2055, 300}, "Label14", {690, 7425, 1545, 195}},
    {"Text13", {7155, 7320, 1845, 300}, "Label13", {5760, 7425, 1350, 195}},
};

}  // namespace

PipeDiameterPage::PipeDiameterPage(const PageInfo& info, QWidget* parent) : CalcPage(info, parent) {
    const Form form = Form::page(this);
    form.line("Line3", 600, 1245, 9090);
    form.line("Line1", 645, 3390, 9135);
    form.line("Line2", 540, 5745, 9030);
    form.line("Line4", 570, 7995, 9060);
    place(form, kPlaces);
    printsSheet(form.button("Command2", {810, 8190, 990, 360}, QStringLiteral("打 印")));
    finish(form.button("Command1", {7920, 8190, 1005, 360}, QStringLiteral("计 算")), Enter::PressesCalculate,
           Focus::StaysWhereItWas);
}

std::vector<CalcPage::SheetSection> PipeDiameterPage::sheetSections() const {
    return {{QStringLiteral("管段 1"), {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}},
            {QStringLiteral("管段 2"), {"Text12", "Text11", "Text10", "Text9", "Text8", "Text7"}},
            {QStringLiteral("管段 3"), {"Text18", "Text17", "Text16", "Text15", "Text14", "Text13"}}};
}

QString PipeDiameterPage::sheetResult(std::string_view field, const QString& shown) const {
    return field == "Text5" || field == "Text8" || field == "Text14" ? roundedUpToHundredths(shown) : shown;
}

QString roundedUpToHundredths(const QString& text) {
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < 0) return text;
    const QString digits = QString::number(v, 'f', 12);
    const qsizetype dot = digits.indexOf(QLatin1Char('.'));
    const bool beyond = digits.mid(dot + 3).contains(QRegularExpression(QStringLiteral("[1-9]")));
    return QString::number(digits.left(dot + 3).toDouble() + (beyond ? 0.01 : 0.0), 'f', 2);
}

}  // namespace vxr::app
