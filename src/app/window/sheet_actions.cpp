#include "app/window/sheet_actions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/case/workspace.h"
#include "app/kit/messages.h"
#include "app/kit/settings.h"
#include "app/kit/tab_control.h"
#include "app/pages/calc_page.h"
#include "app/pages/page_list.h"
#include "app/sheet/project_info.h"

namespace vxr::app {

namespace {

QString stamp(const QDateTime& at) {
    return at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// "管径计算书.pdf": the caption, less a trailing 计算, then 计算书.
QString pdfName(QString caption) {
    if (caption.endsWith(QStringLiteral("计算"))) caption.chop(2);
    return caption + QStringLiteral("计算书.pdf");
}

}  // namespace

SheetActions::SheetActions(QWidget* window, TabControl* tabs, Workspace* workspace)
    : QObject(window), window_(window), tabs_(tabs), workspace_(workspace) {
    const auto make = [&](const char* name, const QString& caption, const QKeySequence& keys, auto slot) {
        auto* action = new QAction(caption, window);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    project_ = make("projectInfo", QStringLiteral("工程信息(&I)…"), {}, &SheetActions::editProject);
    copy_ = make("copySheet", QStringLiteral("复制计算书(&C)"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                 &SheetActions::copy);
    print_ = make("printSheet", QStringLiteral("打印(&P)…"), QKeySequence(Qt::CTRL | Qt::Key_P),
                  [this] { preview(current()); });
    export_ = make("exportSheet", QStringLiteral("导出计算书（PDF）(&E)…"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), &SheetActions::exportPage);
    export_all_ = make("exportAllSheets", QStringLiteral("导出全部计算书（PDF）(&L)…"), {}, &SheetActions::exportCase);
    connect(tabs, &TabControl::currentChanged, this, &SheetActions::follow);
    follow(tabs->currentIndex());
}

void SheetActions::addTo(QMenu* menu) {
    menu->addActions({project_, copy_, print_, export_, export_all_});
}

void SheetActions::offer(CalcPage* page) {
    auto* menu = new QMenu(page);
    menu->setObjectName(QStringLiteral("sheetMenu"));
    menu->addActions({copy_, print_, export_});
    page->setContextMenu(menu);
    connect(page, &CalcPage::printRequested, this, [this, page] { preview(page); });
}

// The page actions act on the page shown: off where it has no sheet.
void SheetActions::follow(int index) {
    const std::span<const PageInfo> all = pages();
    const bool sheet = index >= 0 && static_cast<std::size_t>(index) < all.size() &&
                       all[static_cast<std::size_t>(index)].calculation != nullptr;
    for (QAction* action : {copy_, print_, export_}) action->setEnabled(sheet);
}

CalcPage* SheetActions::current() const {
    return qobject_cast<CalcPage*>(tabs_->page(tabs_->currentIndex()));
}

CalcPage* SheetActions::calculated(CalcPage* page) const {
    if (page && page->calculatedAt()) return page;
    if (page) showMessage(window_, kAppTitle, QStringLiteral("本页尚未计算。"));
    return nullptr;
}

QString SheetActions::fileShown() const {
    return workspace_->file().isEmpty() ? QStringLiteral("未保存") : QFileInfo(workspace_->file()).fileName();
}

sheet::Lines SheetActions::pageSheet(const CalcPage& page) const {
    const std::optional<QDateTime> at = page.calculatedAt();
    sheet::Lines lines = project::titleBlock(workspace_->project(), page.title(), at ? at->date() : QDate());
    const sheet::Lines body = page.sheetLines();
    lines.insert(lines.end(), body.begin(), body.end());
    return lines;
}

sheet::Lines SheetActions::caseSheet() const {
    std::vector<const CalcPage*> done;
    QStringList left_out;
    for (int i = 0; i < tabs_->count(); ++i) {
        if (!pages()[static_cast<std::size_t>(i)].calculation) continue;
        const auto* page = static_cast<const CalcPage*>(tabs_->page(i));
        if (page->calculatedAt())
            done.push_back(page);
        else
            left_out << page->title();
    }
    if (done.empty()) return {};
    using sheet::Kind;
    sheet::Lines lines = project::titleBlock(
        workspace_->project(), QStringLiteral("见目录（共 %1 项）").arg(done.size()), QDate::currentDate());
    lines.push_back({Kind::Heading, {QStringLiteral("目录")}});
    lines.push_back(
        {Kind::Columns,
         {QStringLiteral("序号"), QStringLiteral("计算项目"), QStringLiteral("计算时间"), QStringLiteral("页码")}});
    for (std::size_t k = 0; k < done.size(); ++k)
        lines.push_back({Kind::Contents, {QString::number(k + 1), done[k]->title(), stamp(*done[k]->calculatedAt())}});
    if (!left_out.isEmpty())
        lines.push_back(
            {Kind::Remark,
             {QStringLiteral("以下页面尚未计算，未列入本计算书：%1。").arg(left_out.join(QStringLiteral("、")))}});
    for (std::size_t k = 0; k < done.size(); ++k) {
        lines.push_back({Kind::Section, {QString::number(k + 1), done[k]->title()}});
        const sheet::Lines body = done[k]->sheetLines();
        lines.insert(lines.end(), body.begin(), body.end());
    }
    return lines;
}

void SheetActions::copy() {
    if (const CalcPage* page = calculated(current())) QApplication::clipboard()->setText(sheet::text(pageSheet(*page)));
}

bool SheetActions::print(const CalcPage& page, QPrinter& printer) const {
    return sheet::paint(pageSheet(page), fileShown(), printer);
}

// A preview of the page's sheet as the printer prints it, printed from there through the system's printers.
void SheetActions::preview(CalcPage* page) {
    if (!calculated(page)) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    printer.setFullPage(true);  // the sheet keeps its own margins
    printer.setDocName(page->title() + QStringLiteral(" 计算书"));
    QPrintPreviewDialog dialog(&printer, window_);
    dialog.setObjectName(QStringLiteral("printPreview"));
    bool failed = false;
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&](QPrinter* target) { failed = !print(*page, *target) || failed; });
    dialog.exec();
    if (failed) {
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName()
                                                                 : QDir::toNativeSeparators(printer.outputFileName());
        showMessage(window_, kAppTitle, QStringLiteral("计算书未能打印：%1 无法开始打印。").arg(where));
    }
}

QString SheetActions::askPath(const QString& caption, const QString& name) const {
    return settings::askSavePath(window_, caption, name, QStringLiteral("PDF 文件 (*.pdf)"), QStringLiteral("pdf"));
}

void SheetActions::write(const sheet::Lines& lines, const QString& title, const QString& path) const {
    QString error;
    if (!sheet::writePdf(lines, fileShown(), title, path, &error)) {
        showMessage(window_, kAppTitle, QStringLiteral("计算书未能保存：%1").arg(error));
        return;
    }
    settings::setLastFolder(QFileInfo(path).absolutePath());
}

void SheetActions::exportPage() {
    const CalcPage* page = calculated(current());
    if (!page) return;
    const QString path = askPath(QStringLiteral("导出计算书（PDF）"), pdfName(page->title()));
    if (!path.isEmpty()) write(pageSheet(*page), page->title() + QStringLiteral(" 计算书"), path);
}

void SheetActions::exportCase() {
    const sheet::Lines lines = caseSheet();
    if (lines.empty()) return showMessage(window_, kAppTitle, QStringLiteral("尚无已计算的页面。"));
    const QString file = workspace_->file();
    const QString path = askPath(QStringLiteral("导出全部计算书（PDF）"),
                                 file.isEmpty() ? QStringLiteral("全部计算书.pdf")
                                                : QFileInfo(file).completeBaseName() + QStringLiteral("-计算书.pdf"));
    if (!path.isEmpty()) write(lines, QStringLiteral("全部计算书"), path);
}

void SheetActions::editProject() {
    project::Dialog dialog(workspace_->project(), window_);
    if (dialog.exec() == QDialog::Accepted) workspace_->setProject(dialog.project());
}

}  // namespace vxr::app
