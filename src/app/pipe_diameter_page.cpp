#include "app/pipe_diameter_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/form.h"
#include "app/messages.h"
#include "calc/hydraulics/pipe_diameter.h"

namespace vxr::app {
namespace {

using Section = calc::PipeSectionInput;

// One row of a section: the field, the section it belongs to (0 to 2, top to bottom) and what it fills; the line
// number and medium are the user's notes and fill nothing.
struct SectionField {
    Field field;
    std::size_t section;
    std::string Section::*member;
};

// The three pipe sections, top to bottom. Control numbers do not follow one pattern from section to section.
constexpr SectionField kInputs[] = {
    {{"label1", {690, 1650, 720, 195}, "管段号：", "Text1", {2535, 1560, 2055, 300}, "RW0101-100 L1B "}, 0, nullptr},
    {{"Label2", {5760, 1650, 720, 195}, "介质：", "Text2", {7155, 1530, 1845, 300}, "水"}, 0, nullptr},
    {{"Label3", {690, 2280, 2115, 195}, "流量(立方米/小时)：", "Text3", {2535, 2220, 2055, 300}, "50"},
     0,
     &Section::flow},
    {{"Label4", {5760, 2265, 1230, 195}, "流速(米/秒)：", "Text4", {7155, 2160, 1845, 300}, "1.2"},
     0,
     &Section::velocity},
    {{"Label12", {690, 3945, 720, 195}, "管段号：", "Text12", {2535, 3855, 2055, 300}, "RW0101-100 L1B "}, 1, nullptr},
    {{"Label11", {5760, 3945, 720, 195}, "介质：", "Text11", {7095, 3840, 1845, 300}, "水"}, 1, nullptr},
    {{"Label10", {675, 4575, 2115, 195}, "流量(立方米/小时)：", "Text10", {2535, 4515, 2055, 300}, "30"},
     1,
     &Section::flow},
    {{"Label9", {5760, 4560, 1230, 195}, "流速(米/秒)：", "Text9", {7140, 4455, 1845, 300}, "1.5"},
     1,
     &Section::velocity},
    {{"Label18", {690, 6195, 720, 195}, "管段号：", "Text18", {2535, 6105, 2055, 300}, "RW0101-100 L1B "}, 2, nullptr},
    {{"Label17", {5760, 6195, 720, 195}, "介质：", "Text17", {7155, 6075, 1845, 300}, "水"}, 2, nullptr},
    {{"Label16", {690, 6825, 2115, 195}, "流量(立方米/小时)：", "Text16", {2535, 6765, 2055, 300}, "25"},
     2,
     &Section::flow},
    {{"Label15", {5760, 6810, 1230, 195}, "流速(米/秒)：", "Text15", {7155, 6705, 1845, 300}, "2"},
     2,
     &Section::velocity},
};

constexpr Field kResults[] = {
    {"Label5", {690, 2880, 1545, 195}, "计算管内径(mm)：", "Text5", {2535, 2835, 2055, 300}, ""},
    {"Label6", {5760, 2880, 1350, 195}, "公称直径(mm)：", "Text6", {7155, 2775, 1845, 300}, ""},
    {"Label8", {690, 5175, 1545, 195}, "计算管内径(mm)：", "Text8", {2535, 5130, 2055, 300}, ""},
    {"Label7", {5745, 5175, 1350, 195}, "公称直径(mm)：", "Text7", {7155, 5070, 1845, 300}, ""},
    {"Label14", {690, 7425, 1545, 195}, "计算管内径(mm)：", "Text14", {2535, 7335, 2055, 300}, ""},
    {"Label13", {5760, 7425, 1350, 195}, "公称直径(mm)：", "Text13", {7155, 7320, 1845, 300}, ""},
};

}  // namespace

PipeDiameterPage::PipeDiameterPage(QWidget* parent) : CalcPage(QStringLiteral("管径计算"), parent) {
    const Form form = Form::page(this);
    form.line("Line3", 600, 1245, 9090);
    form.line("Line1", 645, 3390, 9135);
    form.line("Line2", 540, 5745, 9030);
    form.line("Line4", 570, 7995, 9060);
    for (const SectionField& row : kInputs) {
        const Field& f = row.field;
        QLineEdit* box = form.input(f.box, f.box_at, QString::fromUtf8(f.text),
                                    form.label(f.label, f.label_at, QString::fromUtf8(f.caption)));
        addInput(box);  // the line number and medium too: the user's notes, on the sheet with the rest
        if (!row.member) continue;
        fields_.push_back({box, row.section, row.member});
    }
    // In the core's order: inside and nominal diameter of each section in turn.
    for (const Field& f : kResults)
        addResult(form.result(f.box, f.box_at, form.label(f.label, f.label_at, QString::fromUtf8(f.caption))));
    QPushButton* print = form.button("Command2", {810, 8190, 990, 360}, QStringLiteral("打 印"));
    QPushButton* calc = form.button("Command1", {7920, 8190, 1005, 360}, QStringLiteral("计 算"));
    connect(print, &QPushButton::clicked, this,
            [this] { showMessage(this, QStringLiteral("错误"), QStringLiteral("运行错误！")); });
    connect(calc, &QPushButton::clicked, this, &PipeDiameterPage::calculate);
    pressOnEnter(this, calc);
    setReadingTabOrder(this);
}

void PipeDiameterPage::calculate() {
    calc::PipeSections sections;
    for (const Bound& b : fields_) sections[b.section].*b.member = b.box->text().toStdString();
    const auto outcome = calc::size_pipes(sections);
    if (std::holds_alternative<frame::Refusal<calc::PipeSections>>(outcome)) return refuse({}, nullptr);
    publish(std::get<frame::Explained>(outcome));
}

}  // namespace vxr::app
