// The page for the friction loss of a pipe run with its fittings, in J/kg and in metres of head.
#pragma once

#include <QWidget>

namespace vxr::app {

class FrictionPage : public QWidget {
    Q_OBJECT

public:
    explicit FrictionPage(QWidget* parent = nullptr);

private:
    void calculate();
};

}  // namespace vxr::app
