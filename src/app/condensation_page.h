// The page for the condensation film coefficient on four surfaces.
#pragma once

#include <QWidget>

namespace vxr::app {

class CondensationPage : public QWidget {
    Q_OBJECT

public:
    explicit CondensationPage(QWidget* parent = nullptr);
};

}  // namespace vxr::app
