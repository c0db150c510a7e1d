#include "app/kit/file_dialog.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QTranslator>
#include <array>
#include <cmath>
#include <cstring>

namespace vxr::app {
namespace {

struct Text {
    const char* context;
    const char* source;
    const char* chinese;
};
// Qt 6 looks up the file list's types under QAbstractFileIconProvider; Qt's Chinese catalogue has them under the
// older QFileIconProvider only.
constexpr std::array kTexts{
    Text{"QAbstractFileIconProvider", "Folder", "文件夹"},
    Text{"QAbstractFileIconProvider", "Drive", "驱动器"},
    Text{"QAbstractFileIconProvider", "Shortcut", "快捷方式"},
    Text{"QAbstractFileIconProvider", "Unknown", "未知"},
};

class Catalogue : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (!context || !source) return {};
        for (const Text& t : kTexts)
            if (std::strcmp(context, t.context) == 0 && std::strcmp(source, t.source) == 0)
                return QString::fromUtf8(t.chinese);
        return {};
    }
};

// 1023 字节, 4.88 KB, 12.3 MB: powers of 1024, three significant digits, as Chinese desktops write sizes.
QString sizeText(qint64 bytes) {
    if (bytes < 1024) return QStringLiteral("%1 字节").arg(bytes);
    static const char* const units[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    double value = static_cast<double>(bytes);
    int unit = -1;
    while (value >= 1024 && unit + 1 < static_cast<int>(std::size(units))) {
        value /= 1024;
        ++unit;
    }
    const int decimals = value < 10 ? 2 : value < 100 ? 1 : 0;
    return QStringLiteral("%1 %2").arg(value, 0, 'f', decimals).arg(QLatin1String(units[unit]));
}

// The file dialog's list, columns 名称, 体积, 类型, 修改日期, with the last three in Chinese whatever the locale.
class ChineseList : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || index.column() == 0) return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        const QFileInfo info = files->fileInfo(source);
        switch (index.column()) {
            case 1:
                return info.isDir() ? QString() : sizeText(files->size(source));
            case 2:
                if (info.isFile() && info.suffix().compare(QLatin1String("vxr"), Qt::CaseInsensitive) == 0)
                    return QStringLiteral("VXR 工程文件");
                if (info.isFile() && info.suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
                    return QStringLiteral("PDF 文档");
                break;
            case 3:
                return files->lastModified(source).toString(QStringLiteral("yyyy/M/d HH:mm"));
        }
        return QIdentityProxyModel::data(index, role);
    }
};

}  // namespace

QTranslator* qtTextsCatalogue(QObject* parent) {
    return new Catalogue(parent);
}

void prepareFileDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new ChineseList(&dialog));
}

}  // namespace vxr::app
