#include "app/case/session.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <utility>

namespace vxr::app {

namespace {
constexpr int kMostDelayMs = 2000;
// session.vxr, session-2.vxr, …: the files of windows. A file set aside (session-无法读取-….vxr) is none of them.
const QRegularExpression kSessionName(QStringLiteral("^session(-([2-9]|[1-9][0-9]+))?\\.vxr$"));

QString nthName(int n) {
    return n == 1 ? QStringLiteral("session.vxr") : QStringLiteral("session-%1.vxr").arg(n);
}

// A lock taken now or never: held by a running process, it is not ours; left by a dead one, it is stale and taken.
std::shared_ptr<QLockFile> tryLock(const QString& file) {
    auto lock = std::make_shared<QLockFile>(file + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);  // stale only where its process is gone, however long it has run
    return lock->tryLock(0) ? lock : nullptr;
}
}  // namespace

Session::Session(std::function<QByteArray()> snapshot, QObject* parent)
    : QObject(parent), snapshot_(std::move(snapshot)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kMostDelayMs);
    connect(&timer_, &QTimer::timeout, this, &Session::write);
}

Session::~Session() = default;

QString Session::folder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString Session::path() {
    return QDir(folder()).filePath(nthName(1));
}

std::vector<Orphan> Session::orphans() {
    std::vector<Orphan> found;
    const QDir dir(folder());
    std::vector<std::pair<int, QString>> names;  // in the order the windows took them: session.vxr, session-2.vxr, …
    for (const QString& name : dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden)) {
        const QRegularExpressionMatch match = kSessionName.match(name);
        if (match.hasMatch()) names.emplace_back(match.hasCaptured(2) ? match.captured(2).toInt() : 1, name);
    }
    std::sort(names.begin(), names.end());
    for (const auto& [n, name] : names) {
        const QString file = dir.filePath(name);
        std::shared_ptr<QLockFile> lock = tryLock(file);
        if (!lock) continue;  // a running window's
        found.push_back({file, lock, casefile::readFile(file, true)});
    }
    return found;
}

QString Session::setAside(const Orphan& orphan, const QString& why) {
    const QFileInfo info(orphan.file);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n < 100; ++n) {
        const QString aside = info.dir().filePath(
            QStringLiteral("session-%1-%2%3.vxr").arg(why, stamp, n == 1 ? QString() : QStringLiteral("-%1").arg(n)));
        if (QFileInfo::exists(aside) || QFileInfo(aside).isSymLink()) continue;
        return QFile::rename(orphan.file, aside) ? aside : QString();
    }
    return {};
}

void Session::discard(const Orphan& orphan) {
    QFile::remove(orphan.file);
}

void Session::adopt(const Orphan& orphan) {
    file_ = orphan.file;
    lock_ = orphan.lock;
}

void Session::changed() {
    // Counted from the first change, not restarted by the next: typing without a pause is written all the same.
    if (!timer_.isActive()) timer_.start();
}

bool Session::claim(QString* error) {
    if (!QDir().mkpath(folder())) {
        *error = QStringLiteral("无法建立文件夹 %1").arg(QDir::toNativeSeparators(folder()));
        return false;
    }
    // The first name no file holds: a file left there is another window's or an orphan kept for later.
    const QDir dir(folder());
    for (int n = 1; n <= 1000; ++n) {
        const QString file = dir.filePath(nthName(n));
        if (QFileInfo::exists(file) || QFileInfo(file).isSymLink()) continue;
        auto lock = std::make_shared<QLockFile>(file + QStringLiteral(".lock"));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0)) {
            if (lock->error() == QLockFile::LockFailedError) continue;  // another window's, not yet written
            *error = QStringLiteral("无法建立锁文件 %1").arg(QDir::toNativeSeparators(file + QStringLiteral(".lock")));
            return false;
        }
        if (QFileInfo::exists(file)) continue;  // written meanwhile by a window that has since gone
        file_ = file;
        lock_ = lock;
        return true;
    }
    *error = QStringLiteral("会话文件过多");
    return false;
}

bool Session::write() {
    timer_.stop();
    QString error;
    if ((file_.isEmpty() && !claim(&error)) || !casefile::writeFile(file_, snapshot_(), &error)) {
        emit writeFailed(error);
        return false;
    }
    emit written();
    return true;
}

}  // namespace vxr::app
