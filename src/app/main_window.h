// The calculator's window, as the program and its tests open it: MainWindow (object name Form1) and what it offers
// them. The window's own code is in window/.
#pragma once

#include "app/window/main_window.h"
