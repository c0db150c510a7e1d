#include "app/window/manual_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "app/kit/look.h"
#include "app/kit/screen.h"
#include "app/pages/page_list.h"

namespace vxr::app {

ManualWindow::ManualWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("manualWindow"));
    setWindowTitle(QStringLiteral("VXR 使用手册"));
    setWindowIcon(appIcon());
    setFont(defaultFont());
    closeOnEscape(this);

    find_ = new QLineEdit(this);
    find_->setObjectName(QStringLiteral("manualFind"));
    find_->setPlaceholderText(QStringLiteral("输入要查找的文字，按回车查找下一处"));
    auto* caption = new QLabel(QStringLiteral("查找："), this);
    caption->setBuddy(find_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("manualFindStatus"));
    status_->setMinimumWidth(220);

    chapters_ = new QListWidget(this);
    chapters_->setObjectName(QStringLiteral("manualChapters"));
    auto* start = new QListWidgetItem(QStringLiteral("VXR 使用手册"), chapters_);
    start->setData(Qt::UserRole, QString::fromLatin1(kStart));
    for (const PageInfo& page : pages())
        (new QListWidgetItem(QString::fromUtf8(page.caption), chapters_))
            ->setData(Qt::UserRole, QString::fromLatin1(page.name));

    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("manualText"));
    text_->setOpenExternalLinks(false);

    auto* split = new QSplitter(this);
    split->addWidget(chapters_);
    split->addWidget(text_);
    split->setStretchFactor(1, 1);
    split->setSizes({170, 730});
    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addWidget(find_, 1);
    top->addWidget(status_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    fitToScreen(this, parent, QSize(900, 640));

    connect(chapters_, &QListWidget::currentRowChanged, this, &ManualWindow::showRow);
    connect(text_, &QTextBrowser::sourceChanged, this, &ManualWindow::followLink);
    connect(find_, &QLineEdit::returnPressed, this, &ManualWindow::findNext);
    connect(find_, &QLineEdit::textEdited, status_, &QLabel::clear);
}

QUrl ManualWindow::chapterUrl(std::string_view chapter) {
    return QUrl(QStringLiteral("qrc:/manual/%1.md").arg(QString::fromUtf8(chapter.data(), qsizetype(chapter.size()))));
}

void ManualWindow::showChapter(std::string_view chapter) {
    int row = 0;
    for (int i = 0; i < chapters_->count(); ++i)
        if (chapters_->item(i)->data(Qt::UserRole).toString().toStdString() == chapter) row = i;
    if (chapters_->currentRow() == row)
        showRow(row);  // back to the chapter's top
    else
        chapters_->setCurrentRow(row);
}

QString ManualWindow::chapterText(int row) const {
    QFile file(chapterUrl(chapters_->item(row)->data(Qt::UserRole).toString().toStdString()).path().prepend(':'));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void ManualWindow::showRow(int row) {
    if (row < 0) return;
    const QUrl url = chapterUrl(chapters_->item(row)->data(Qt::UserRole).toString().toStdString());
    text_->setSource(url, QTextDocument::MarkdownResource);
    text_->moveCursor(QTextCursor::Start);
}

void ManualWindow::followLink(const QUrl& source) {
    const QString chapter = source.fileName().chopped(3);  // "frictionPage.md"
    for (int i = 0; i < chapters_->count(); ++i) {
        if (chapters_->item(i)->data(Qt::UserRole).toString() != chapter) continue;
        const QSignalBlocker quiet(chapters_);
        chapters_->setCurrentRow(i);
    }
}

void ManualWindow::findNext() {
    const QString what = find_->text().trimmed();
    status_->clear();
    if (what.isEmpty() || text_->find(what)) return;
    const int here = std::max(0, chapters_->currentRow()), count = chapters_->count();
    for (int step = 1; step <= count; ++step) {
        const int row = (here + step) % count;
        if (!chapterText(row).contains(what, Qt::CaseInsensitive)) continue;
        if (row != here) chapters_->setCurrentRow(row);
        text_->moveCursor(QTextCursor::Start);
        if (!text_->find(what)) continue;  // only in the Markdown's markup, not in the text shown
        status_->setText(row == here ? QStringLiteral("已从本章开头查找")
                                     : QStringLiteral("在“%1”中找到").arg(chapters_->item(row)->text()));
        return;
    }
    status_->setText(QStringLiteral("手册中找不到“%1”").arg(what));
}

}  // namespace vxr::app
