// The page for the friction loss of a pipe run with its fittings, in J/kg and in metres of head.
#pragma once

#include "app/pages/calc_page.h"

namespace vxr::app {

class PickDialog;

class FrictionPage : public CalcPage {
    Q_OBJECT

public:
    explicit FrictionPage(const PageInfo& info, QWidget* parent = nullptr);

    // 按规格… and 按材质…: each opens its picker (one of each, kept while the page lives).
    PickDialog* pickPipe();
    PickDialog* pickRoughness();

private:
    PickDialog* pipe_ = nullptr;
    PickDialog* roughness_ = nullptr;
};

}  // namespace vxr::app
