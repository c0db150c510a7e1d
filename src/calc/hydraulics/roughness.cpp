#include "calc/hydraulics/roughness.h"

namespace vxr::calc {

std::span<const Roughness> pipe_roughness() {
    static constexpr Roughness kTable[] = {
        {"新的商品钢管（无缝或焊接）", "0.045", "Moody (1944) 表：commercial steel, 0.00015 ft"},
        {"不锈钢管（新）", "0.015", "工程常用值（出处未核实）"},
        {"镀锌钢管", "0.15", "Moody (1944) 表：galvanized iron, 0.0005 ft"},
        {"铸铁管", "0.26", "Moody (1944) 表：cast iron, 0.00085 ft"},
        {"涂沥青铸铁管", "0.12", "Moody (1944) 表：asphalted cast iron, 0.0004 ft"},
        {"铜管、黄铜管（拉制）", "0.0015", "Moody (1944) 表：drawn tubing, 0.000005 ft"},
        {"PVC 等塑料管", "0.0015", "按拉制管取值（Moody (1944) 表：drawn tubing）"},
        {"混凝土管（光滑）", "0.3", "Moody (1944) 表：concrete 0.001～0.01 ft 的下限"},
        {"混凝土管（粗糙）", "3", "Moody (1944) 表：concrete 0.001～0.01 ft 的上限"},
        {"锈蚀钢管（使用多年）", "0.5", "工程常用值（出处未核实）"},
    };
    return kTable;
}

}  // namespace vxr::calc
