#include "app/condensation_page.h"

namespace vxr::app {

CondensationPage::CondensationPage(QWidget* parent) : QWidget(parent) {}

}  // namespace vxr::app
