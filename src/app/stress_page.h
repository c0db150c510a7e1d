// The pipe-stress page: segment editor and flexibility assessment.
#pragma once

#include <QWidget>

namespace vxr::app {

class StressPage : public QWidget {
    Q_OBJECT

public:
    explicit StressPage(QWidget* parent = nullptr);
};

}  // namespace vxr::app
