// The page for the film coefficient of a condensing vapour on four kinds of surface; the page shown at start.
#pragma once

#include <QWidget>

namespace vxr::app {

class CondensationPage : public QWidget {
    Q_OBJECT

public:
    explicit CondensationPage(QWidget* parent = nullptr);

private:
    void calculate();
};

}  // namespace vxr::app
