// The pipe-stress page: the segment editor that builds the pipe route, and the route's flexibility assessment.
#pragma once

#include <QWidget>

#include "calc/flexibility/node_list.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace vxr::app {

class StressPage : public QWidget {
    Q_OBJECT

public:
    explicit StressPage(QWidget* parent = nullptr);

private:
    void save();
    void previous();
    void next();
    void calculate();
    // Shows the current segment: its node numbers and its saved texts, or empty fields.
    void showSegment();

    calc::NodeList nodes_;  // the route, kept for as long as the page lives
    QLabel* from_ = nullptr;
    QLabel* to_ = nullptr;
    QLabel* end_ = nullptr;
    QCheckBox* endMark_ = nullptr;
    QPushButton* previous_ = nullptr;
};

}  // namespace vxr::app
