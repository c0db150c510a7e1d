// The pipe-stress page: the segment editor that builds the pipe route, and the route's flexibility assessment.
#pragma once

#include "app/calc_page.h"
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
    void save();
    void previous();
    void next();
    void complete(calc::Case& c) const override;
    void saveRoute(QJsonObject& state) const override;
    void restoreRoute(const QJsonObject& state) override;
    // The node labels, the end node and 上一节点 as the node list stands.
    void showNodes();
    // Shows the current segment: its node numbers and its saved texts, or empty fields.
    void showSegment();

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
