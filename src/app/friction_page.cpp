#include "app/friction_page.h"

namespace vxr::app {

FrictionPage::FrictionPage(QWidget* parent) : QWidget(parent) {}

}  // namespace vxr::app
