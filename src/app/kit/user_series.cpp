#include "app/kit/user_series.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include "frame/number_text.h"

namespace vxr::app::userseries {
namespace {
const QString kFormat = QStringLiteral("vxr-pipe-series");

QString str(const std::string& s) {
    return QString::fromStdString(s);
}

// The series in `bytes`, or why not.
std::optional<std::vector<calc::PipeSeries>> parse(const QByteArray& bytes, QString* why) {
    QJsonParseError error{};
    const QJsonObject root = QJsonDocument::fromJson(bytes, &error).object();
    if (error.error != QJsonParseError::NoError || root.value(QLatin1String("format")).toString() != kFormat) {
        *why = QStringLiteral("不是 VXR 管材表文件");
        return std::nullopt;
    }
    std::vector<calc::PipeSeries> all;
    for (const QJsonValue& s : root.value(QLatin1String("series")).toArray()) {
        std::vector<calc::PipeRowText> rows;
        for (const QJsonValue& r : s.toObject().value(QLatin1String("rows")).toArray()) {
            const QJsonArray cells = r.toArray();
            rows.push_back({cells.at(0).toString().toStdString(), cells.at(1).toString().toStdString(),
                            cells.at(2).toString().toStdString()});
        }
        calc::CheckedSeries checked =
            calc::check_user_series(s.toObject().value(QLatin1String("name")).toString().toStdString(), rows);
        if (!checked.series) {
            *why = str(checked.refusal);
            return std::nullopt;
        }
        all.push_back(std::move(*checked.series));
    }
    return all;
}

}  // namespace

QString path() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("pipe-series.json"));
}

std::vector<calc::PipeSeries> load(QString* told) {
    QFile file(path());
    if (!file.exists()) return {};
    QString why;
    std::optional<std::vector<calc::PipeSeries>> all;
    if (!file.open(QIODevice::ReadOnly))
        why = file.errorString();
    else
        all = parse(file.read(4 << 20), &why);
    file.close();
    if (all) return *all;
    // Kept for the user to look at; the next 保存 starts a new file.
    const QFileInfo info(path());
    const QString aside = info.dir().filePath(
        QStringLiteral("pipe-series-无法读取-%1.json").arg(QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss")));
    const bool moved = QFile::rename(path(), aside);
    if (told)
        *told = moved ? QStringLiteral("自定义管材表文件无法读取（%1），已改名保留为：\n%2").arg(why, aside)
                      : QStringLiteral("自定义管材表文件无法读取（%1）：\n%2").arg(why, path());
    return {};
}

QByteArray bytes(const std::vector<calc::PipeSeries>& series) {
    QJsonArray all;
    for (const calc::PipeSeries& s : series) {
        QJsonArray rows;
        for (const calc::PipeSize& z : s.sizes)
            rows.append(QJsonArray{str(frame::plain(z.dn)), str(z.od), str(z.wall)});
        all.append(QJsonObject{{QStringLiteral("name"), str(s.name)}, {QStringLiteral("rows"), rows}});
    }
    const QJsonObject root{
        {QStringLiteral("format"), kFormat}, {QStringLiteral("version"), 1}, {QStringLiteral("series"), all}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Signal& signal() {
    static Signal one;
    return one;
}

}  // namespace vxr::app::userseries
