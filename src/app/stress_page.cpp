#include "app/stress_page.h"

namespace vxr::app {

StressPage::StressPage(QWidget* parent) : QWidget(parent) {}

}  // namespace vxr::app
