// The page for the pipe friction loss of a pipe run with its fittings.
#pragma once

#include <QWidget>

namespace vxr::app {

class FrictionPage : public QWidget {
    Q_OBJECT

public:
    explicit FrictionPage(QWidget* parent = nullptr);
};

}  // namespace vxr::app
