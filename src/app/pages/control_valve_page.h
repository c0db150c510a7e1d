// The 调节阀计算 page: the flow coefficient Kv of a control valve for a liquid or a gas, by IEC 60534-2-1
// (calc/valve). Each medium keeps its own flow and viscosity: switching shows that medium's last texts under its own
// caption, never one medium's number under the other's unit.
#pragma once

#include "app/pages/calc_page.h"

namespace vxr::app {

class PipePickDialog;

class ControlValvePage : public CalcPage {
public:
    explicit ControlValvePage(const PageInfo& info, QWidget* parent = nullptr);

    // 阀前管按规格… and 阀后管按规格…: the pipe picker, filling that pipe's inside diameter.
    PipePickDialog* pickPipe(const char* field);

    // Adds the texts of the medium not shown (`kept`, where they differ from its defaults).
    PageState state() const override;
    void restore(const PageState& state) override;

private:
    // A liquid reads none of a gas's own inputs, a gas none of a liquid's.
    bool reads(std::string_view name, const std::vector<bool>& chosen) const override;
    const frame::Field& sheetField(const frame::Field& field, const std::vector<bool>& chosen) const override;
    // Keeps the texts of the medium shown so far, shows the chosen one's, and greys what it does not read.
    void switchMedium();
    // Captions, tool tips and greyed rows for the medium chosen.
    void showMedium();
    bool gasChosen() const;

    PipePickDialog* pipes_ = nullptr;
    bool gas_ = false;         // the medium whose flow and viscosity the boxes show
    ByName<QString> kept_[2];  // by medium (liquid, gas): its flow and viscosity while the other is shown
};

}  // namespace vxr::app
