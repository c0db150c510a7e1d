// The page for the allowed installation height of a centrifugal pump.
#pragma once

#include <QWidget>

namespace vxr::app {

class PumpPage : public QWidget {
    Q_OBJECT

public:
    explicit PumpPage(QWidget* parent = nullptr);
};

}  // namespace vxr::app
