#include "app/case/case_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <string_view>

#include "app/kit/version.h"

namespace vxr::app::casefile {
namespace {

const QString kProgram = programName();

// The pages of the first release: a file writes each of them whatever it holds. A page added since is written only
// where it differs from its defaults, which is what a file that leaves it out means, so that a case saved before the
// page existed re-saves byte for byte.
constexpr std::string_view kFirstPages[] = {"pipeDiameterPage", "frictionPage",     "pumpPage",        "convectionPage",
                                            "condensationPage", "distillationPage", "evaporationPage", "dryingPage",
                                            "absorptionPage",   "reliefPage",       "stressPage",      "unitPage"};

bool written(const PageInfo& page, const PageState& state) {
    return std::find(std::begin(kFirstPages), std::end(kFirstPages), page.name) != std::end(kFirstPages) ||
           !(state == defaultState(page));
}

}  // namespace

Document fresh() {
    Document d;
    d.changed = QDateTime::currentDateTime();
    d.program = kProgram;
    d.page = QLatin1String(kStartPage);
    for (const PageInfo& p : pages()) d.pages[QLatin1String(p.name)] = defaultState(p);
    return d;
}

Reading parse(const QByteArray& bytes, bool session) {
    Reading reading;
    QJsonParseError parse_error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parse_error);
    if (parse_error.error != QJsonParseError::NoError) {
        reading.error = QStringLiteral("不是 JSON 文件（第 %1 个字节处：%2）。")
                            .arg(parse_error.offset)
                            .arg(parse_error.errorString());
        return reading;
    }
    const QJsonObject root = json.object();
    if (!json.isObject() || root.value(QLatin1String("format")).toString() != QLatin1String(kFormat)) {
        reading.error = QStringLiteral("不是 VXR 工程文件。");
        return reading;
    }
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() != static_cast<double>(version.toInt()) || version.toInt() < 1) {
        reading.error = QStringLiteral("格式版本号无效。");
        return reading;
    }
    if (version.toInt() > kVersion) {
        reading.error = QStringLiteral("由较新版本的 VXR 保存，请升级后打开。");
        reading.newer = true;
        return reading;
    }
    Check check;
    Document d = fresh();
    for (const PageInfo& p : pages()) d.pages[QLatin1String(p.name)] = absentState(p);
    QJsonObject pages_in;
    const auto optionalText = [&](const char* key, QString* out) {
        return !root.contains(QLatin1String(key)) ||
               check.text(root.value(QLatin1String(key)), QLatin1String(key), out);
    };
    QString page = d.page;
    bool ok = optionalText("program", &d.program) && optionalText("page", &page) &&
              check.object(root.value(QLatin1String("pages")), QStringLiteral("pages"), &pages_in);
    if (ok && root.contains(QLatin1String("changed")))
        ok = check.date(root.value(QLatin1String("changed")), QStringLiteral("changed"), &d.changed);
    if (ok && root.contains(QLatin1String("project"))) {
        ok = check.object(root.value(QLatin1String("project")), QStringLiteral("project"), &d.project);
        for (auto it = d.project.begin(); ok && it != d.project.end(); ++it) {
            QString t;
            ok = check.text(*it, QStringLiteral("project.") + it.key(), &t);
        }
    }
    for (auto it = pages_in.begin(); ok && it != pages_in.end(); ++it) {
        const PageInfo* info = findPage(it.key().toStdString());
        if (!info) {
            check.skipped << QStringLiteral("pages.") + it.key();
            continue;
        }
        ok = check.page(*info, *it, d.pages[it.key()]);
    }
    if (ok && findPage(page.toStdString()))
        d.page = page;
    else if (ok)
        check.skipped << QStringLiteral("page ") + page;
    if (ok && session) {
        const QJsonValue file = root.value(QLatin1String("file"));
        if (!file.isNull() && !file.isUndefined()) ok = check.text(file, QStringLiteral("file"), &d.file);
        const QJsonValue unsaved = root.value(QLatin1String("unsaved"));
        if (ok && !unsaved.isUndefined() && !unsaved.isBool()) ok = check.fail(QStringLiteral("“unsaved”应为真或假。"));
        d.unsaved = unsaved.toBool();
    }
    if (!ok) {
        reading.error = check.error;
        return reading;
    }
    reading.document = std::move(d);
    reading.skipped = check.skipped;
    return reading;
}

QByteArray serialize(const Document& d, bool session) {
    QJsonObject pages;
    for (const auto& [name, state] : d.pages)
        if (const PageInfo* info = findPage(name.toStdString()); info && written(*info, state))
            pages[name] = pageJson(*info, state);
    QJsonObject root{{QStringLiteral("format"), QLatin1String(kFormat)},
                     {QStringLiteral("version"), kVersion},
                     {QStringLiteral("program"), d.program},
                     {QStringLiteral("changed"), dateText(d.changed)},
                     {QStringLiteral("project"), d.project},
                     {QStringLiteral("page"), d.page},
                     {QStringLiteral("pages"), pages}};
    if (session) {
        root[QStringLiteral("file")] = d.file.isEmpty() ? QJsonValue() : QJsonValue(d.file);
        root[QStringLiteral("unsaved")] = d.unsaved;
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

namespace {
// The reason a system call gave, in Chinese: Qt's catalogue translates only a few of them.
QString systemError(int number) {
    switch (number) {
        case EFBIG:
            return QStringLiteral("文件超出系统允许的大小");
        case EDQUOT:
            return QStringLiteral("超出磁盘配额");
        case EROFS:
            return QStringLiteral("文件系统只读");
        case EISDIR:
            return QStringLiteral("这是一个文件夹");
        case EIO:
            return QStringLiteral("磁盘读写错误");
        case ELOOP:
            return QStringLiteral("符号链接层数过多");
        case ENAMETOOLONG:
            return QStringLiteral("文件名过长");
        default:
            return qt_error_string(number);
    }
}

Reading refused(const QString& why) {
    Reading reading;
    reading.error = why;
    return reading;
}
}  // namespace

Reading readFile(const QString& path, bool session) {
    // Opened without waiting and looked at before it is read: a FIFO would block the window until someone wrote to
    // it, a device would never end. Only a regular file (or a link to one) is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return refused(QStringLiteral("文件无法读取（%1）。").arg(systemError(errno)));
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return refused(QStringLiteral("不是普通文件。"));
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refused(QStringLiteral("文件无法读取（%1）。").arg(file.errorString()));
    }
    if (file.size() > kMaxBytes) return refused(QStringLiteral("文件大于 10 MiB。"));
    return parse(file.read(kMaxBytes + 1), session);
}

bool writeFile(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    // A disk that fills up takes a short write without a word, and QSaveFile would still put the cut file in place
    // of the old one: the bytes are flushed and counted before it may.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (error) *error = errno ? systemError(errno) : file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace vxr::app::casefile
