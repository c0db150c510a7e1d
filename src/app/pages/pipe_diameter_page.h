// The pipe-diameter page: three pipe sections, each sized from flow and velocity to a nominal diameter.
#pragma once

#include "app/pages/calc_page.h"

namespace vxr::app {

class PipeDiameterPage : public CalcPage {
    Q_OBJECT

public:
    explicit PipeDiameterPage(const PageInfo& info, QWidget* parent = nullptr);

protected:
    // Each section under its own heading: 管段 1, 2, 3.
    std::vector<SheetSection> sheetSections() const override;
    // d rounded up to 0.01 mm, a size a pipe can be checked against; the page shows all fifteen digits.
    QString sheetResult(std::string_view field, const QString& shown) const override;
};

// `text`, a number, rounded up to two decimals by its digits as written (121.353478181166 → 121.36, 121.35 stays);
// a text that is no number as it stands.
QString roundedUpToHundredths(const QString& text);

}  // namespace vxr::app
