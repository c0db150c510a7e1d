// The pipe-diameter page: three pipe sections, each sized from flow and velocity to a nominal diameter.
#pragma once

#include <QWidget>

namespace vxr::app {

class PipeDiameterPage : public QWidget {
    Q_OBJECT

public:
    explicit PipeDiameterPage(QWidget* parent = nullptr);

private:
    void calculate();
};

}  // namespace vxr::app
