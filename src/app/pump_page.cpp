#include "app/pump_page.h"

namespace vxr::app {

PumpPage::PumpPage(QWidget* parent) : QWidget(parent) {}

}  // namespace vxr::app
