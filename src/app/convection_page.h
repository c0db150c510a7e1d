// The page for the forced-convection film coefficient in straight, bent and coiled pipes and in annuli.
#pragma once

#include <QWidget>

namespace vxr::app {

class ConvectionPage : public QWidget {
    Q_OBJECT

public:
    explicit ConvectionPage(QWidget* parent = nullptr);

private:
    void calculate();
};

}  // namespace vxr::app
