// Build tool: saves the window's icon, exactly as the program draws it, as PNG files for the desktop's icon theme.
//   vxr_render_icons <16x16.png> <32x32.png>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

#include "app/kit/look.h"

namespace {

// A build machine often has no runtime directory; Qt's warning about it says nothing about the icons.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("XDG_RUNTIME_DIR"))) return;
    qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietHandler);
    // Drawing needs no screen: the offscreen platform serves a build machine without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vxr_render_icons <16x16.png> <32x32.png>\n");
        return 2;
    }
    const QIcon icon = vxr::app::appIcon();
    for (const int size : {16, 32}) {
        const QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
        const char* path = argv[size == 16 ? 1 : 2];
        if (pixmap.size() != QSize(size, size) || !pixmap.save(QString::fromLocal8Bit(path), "PNG")) {
            std::fprintf(stderr, "vxr_render_icons: cannot write the %d px icon to %s\n", size, path);
            return 1;
        }
    }
    return 0;
}
