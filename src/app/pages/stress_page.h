// The pipe-stress page: the segment editor that builds the pipe route, the route table that shows and edits all of it,
// and the route's flexibility assessment. What the editor shows is never lost: moving on, 计算 and 路线表… first save
// a segment that is pending (calc::NodeList::pending), as 保存更新 does, and stop where that save is refused.
#pragma once

#include "app/pages/calc_page.h"
#include "calc/flexibility/node_list.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace vxr::app {

class StressPage : public CalcPage {
    Q_OBJECT

public:
    explicit StressPage(const PageInfo& info, QWidget* parent = nullptr);

private:
    // The four texts the editor shows.
    calc::SegmentTexts shown() const;
    // 保存更新: stores the shown texts as the current segment, the end node too where 终点 is ticked; false, after
    // its message, where the save is refused.
    bool save();
    // Saves the shown segment where a move would lose it; false where that save was refused.
    bool savePending();
    void previous();
    void next();
    // 路线表…: the whole route in a table, and what 确定 makes of it.
    void openRouteTable();
    bool prepareCalculation() override;
    void complete(calc::Case& c) const override;
    void saveOwn(PageState& state) const override;
    void restoreOwn(const PageState& state) override;
    // The node labels, the end node and 上一节点 as the node list stands.
    void showNodes();
    // Shows the current segment: its node numbers and its saved texts, or empty fields.
    void showSegment();
    // After a move: the focus on 两节点管道长度, its text selected, to type the segment shown.
    void typeSegment();

    calc::NodeList nodes_;  // the route, kept for as long as the page lives
    QLineEdit* lx_ = nullptr;
    QLineEdit* ly_ = nullptr;
    QLineEdit* lz_ = nullptr;
    QLineEdit* length_ = nullptr;
    QLabel* from_ = nullptr;
    QLabel* to_ = nullptr;
    QLabel* end_ = nullptr;
    QCheckBox* endMark_ = nullptr;
    QPushButton* previous_ = nullptr;
};

}  // namespace vxr::app
