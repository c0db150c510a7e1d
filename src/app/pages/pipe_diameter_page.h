// The pipe-diameter page: three pipe sections, each sized from flow and velocity to a nominal diameter, or with a pipe
// series chosen, to the smallest pipe of that series whose bore takes the diameter, with the velocity it really has.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "app/pages/calc_page.h"

class QComboBox;

namespace vxr::app {

class PipeDiameterPage : public CalcPage {
    Q_OBJECT

public:
    explicit PipeDiameterPage(const PageInfo& info, QWidget* parent = nullptr);

    // The series chosen; none: 按公称直径.
    std::optional<calc::PipeSeries> series() const;
    // The selector lists the user's own series anew (管材表… changed them), keeping the choice where it still exists.
    void refreshSeries();

protected:
    void complete(calc::Case& c) const override;
    void saveOwn(PageState& state) const override;
    void restoreOwn(const PageState& state) override;
    // Each section under its own heading: 管段 1, 2, 3.
    std::vector<SheetSection> sheetSections() const override;
    // d rounded up to 0.01 mm, a size a pipe can be checked against; the page shows all fifteen digits.
    QString sheetResult(std::string_view field, const QString& shown) const override;

private:
    // Shows `series` in the selector (a series not built in joins the list while it is chosen).
    void choose(const std::optional<calc::PipeSeries>& series);

    QComboBox* selector_ = nullptr;
    std::vector<calc::PipeSeries> local_;  // the user's own series as kept on this machine
    std::optional<calc::PipeSeries> own_;  // a user's series carried by the case, used over a local one of its name
    std::set<std::string> told_;           // series whose difference from the local one was said
};

// `text`, a number, rounded up to two decimals by its digits as written (121.353478181166 → 121.36, 121.35 stays);
// a text that is no number as it stands.
QString roundedUpToHundredths(const QString& text);

}  // namespace vxr::app
