#include "app/kit/settings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/kit/file_dialog.h"
#include "app/kit/look.h"
#include "app/kit/screen.h"

namespace vxr::app::settings {

namespace {
constexpr int kMostRecent = 16;
const QString kRestore = QStringLiteral("restoreSession");
const QString kRecentCount = QStringLiteral("recentCount");
const QString kRecentFiles = QStringLiteral("recentFiles");
const QString kFolder = QStringLiteral("lastFolder");
const QString kWindowSize = QStringLiteral("window/size");
const QString kWindowMaximized = QStringLiteral("window/maximized");
}  // namespace

bool restoreSession() {
    return QSettings().value(kRestore, true).toBool();
}

int recentCount() {
    return std::clamp(QSettings().value(kRecentCount, 8).toInt(), 0, kMostRecent);
}

QStringList recentFiles() {
    return QSettings().value(kRecentFiles).toStringList().mid(0, recentCount());
}

void addRecent(const QString& path) {
    QStringList files = QSettings().value(kRecentFiles).toStringList();
    files.removeAll(path);
    files.prepend(path);
    QSettings().setValue(kRecentFiles, files.mid(0, kMostRecent));
}

void removeRecent(const QString& path) {
    QStringList files = QSettings().value(kRecentFiles).toStringList();
    files.removeAll(path);
    QSettings().setValue(kRecentFiles, files);
}

QString lastFolder() {
    return QSettings().value(kFolder, QDir::homePath()).toString();
}

void setLastFolder(const QString& folder) {
    QSettings().setValue(kFolder, folder);
}

QSize windowSize() {
    const QSize size = QSettings().value(kWindowSize).toSize();
    return size.isValid() && !size.isEmpty() ? size : QSize();
}

bool windowMaximized() {
    return QSettings().value(kWindowMaximized, false).toBool();
}

std::optional<calc::PipeSeries> pipeSeries() {
    const QString name = QSettings().value(QStringLiteral("pipeDiameter/series")).toString();
    const calc::PipeSeries* found = calc::find_builtin_series(name.toStdString());
    return found ? std::optional<calc::PipeSeries>(*found) : std::nullopt;
}

void setPipeSeries(const std::optional<calc::PipeSeries>& series) {
    QSettings settings;
    if (series && series->built_in())
        settings.setValue(QStringLiteral("pipeDiameter/series"), QString::fromStdString(series->name));
    else
        settings.remove(QStringLiteral("pipeDiameter/series"));
}

void setWindowPlacement(QSize size, bool maximized) {
    QSettings settings;
    settings.setValue(kWindowSize, size);
    settings.setValue(kWindowMaximized, maximized);
}

QString askSavePath(QWidget* parent, const QString& caption, const QString& name, const QString& filter,
                    const QString& suffix) {
    QFileDialog dialog(parent, caption, QDir(lastFolder()).filePath(name), filter);
    prepareFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

Dialog::Dialog(QWidget* parent) : GuardedDialog(parent) {
    setObjectName(QStringLiteral("settingsDialog"));
    setWindowTitle(QStringLiteral("设置"));
    restore_ = new QCheckBox(QStringLiteral("启动时恢复上次的工作"), this);
    restore_->setObjectName(QStringLiteral("restoreSession"));
    restore_->setChecked(restoreSession());
    recent_ = new QSpinBox(this);
    recent_->setObjectName(QStringLiteral("recentCount"));
    recent_->setRange(0, kMostRecent);
    recent_->setValue(recentCount());
    auto* form = new QFormLayout;
    form->addRow(restore_);
    form->addRow(QStringLiteral("最近打开的文件数："), recent_);
    QDialogButtonBox* buttons = okCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    fitToScreen(this, parent);
}

bool Dialog::changed() const {
    return restore_->isChecked() != restoreSession() || recent_->value() != recentCount();
}

void Dialog::accept() {
    QSettings settings;
    settings.setValue(kRestore, restore_->isChecked());
    settings.setValue(kRecentCount, recent_->value());
    QDialog::accept();
}

}  // namespace vxr::app::settings
