// The program's name and version as it writes them: "VXR V1.00" on the sheets, in case files and in the About box,
// "VXR [V1.00]" in the window's caption. The version is the project's own (CMakeLists.txt: 1.0.0 reads V1.00, the
// minor number in two digits), handed in by the build as VXR_VERSION_TEXT.
#pragma once

#include <QString>

#ifndef VXR_VERSION_TEXT
#error "VXR_VERSION_TEXT comes from src/CMakeLists.txt"
#endif

namespace vxr::app {

inline QString programName() {
    return QStringLiteral("VXR " VXR_VERSION_TEXT);
}

inline QString windowCaption() {
    return QStringLiteral("VXR [" VXR_VERSION_TEXT "]");
}

}  // namespace vxr::app
