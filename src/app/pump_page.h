// The page for the allowed installation height of a centrifugal pump above its suction-side liquid surface.
#pragma once

#include <QWidget>

namespace vxr::app {

class PumpPage : public QWidget {
    Q_OBJECT

public:
    explicit PumpPage(QWidget* parent = nullptr);

private:
    void calculate();
};

}  // namespace vxr::app
