// A field's caption as the sheet's columns and the tool tips write it: its name, its unit, and what it means.
#pragma once

#include <QString>

#include "frame/field.h"

namespace vxr::app {

// A caption split into its name and its unit: "进料量（kg/h）" → 进料量 and kg/h, "流体导热系数W/(m.℃)" →
// 流体导热系数 and W/(m.℃), "流体比热（J/(Kg.℃)" → 流体比热 and J/(Kg.℃). The unit is what follows the name's
// last ideograph: a closing bracket group at the end, or the Latin tail the group belongs to ("W/(…)").
struct Split {
    QString name;
    QString unit;
};
Split splitUnit(const QString& caption);

// A field's caption as the sheet and the tool tips write it: the table's sheet caption without the brackets and
// colon that the condensation page's option tails carry ("[管内径（m）：]" → 管内径（m））.
QString sheetCaption(const frame::Field& field);
// A field's name and unit in the sheet's columns: the caption split where the field has a unit, else all of it a
// name ("额定泄放系数 K", no unit); a unit holds no blank ("热损失（占有效热量 %）" → 热损失（占有效热量） and %).
Split sheetColumns(const frame::Field& field);

// What an input box, option or description field means, as its tool tip says it, from its table row: the caption's
// name with the symbol, the meaning, the unit and the typical range, one a line.
QString fieldToolTip(const frame::Field& field);

}  // namespace vxr::app
