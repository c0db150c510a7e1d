// The page for the forced-convection film coefficient in pipes and annuli.
#pragma once

#include <QWidget>

namespace vxr::app {

class ConvectionPage : public QWidget {
    Q_OBJECT

public:
    explicit ConvectionPage(QWidget* parent = nullptr);
};

}  // namespace vxr::app
