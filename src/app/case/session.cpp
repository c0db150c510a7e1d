#include "app/case/session.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/case/case_file.h"

namespace vxr::app {

namespace {
constexpr int kMostDelayMs = 2000;
}

Session::Session(std::function<QByteArray()> snapshot, QObject* parent)
    : QObject(parent), snapshot_(std::move(snapshot)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kMostDelayMs);
    connect(&timer_, &QTimer::timeout, this, &Session::write);
}

QString Session::path() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("session.vxr"));
}

void Session::changed() {
    // Counted from the first change, not restarted by the next: typing without a pause is written all the same.
    if (!timer_.isActive()) timer_.start();
}

bool Session::write() {
    timer_.stop();
    QDir().mkpath(QFileInfo(path()).absolutePath());
    return casefile::writeFile(path(), snapshot_(), nullptr);
}

}  // namespace vxr::app
