#include "app/sheet/project_info.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/kit/form.h"
#include "app/kit/look.h"
#include "app/kit/screen.h"
#include "app/kit/version.h"

namespace vxr::app::project {

namespace {

QString valueOf(const QJsonObject& project, const char* key) {
    return project.value(QLatin1String(key)).toString();
}

}  // namespace

sheet::Lines titleBlock(const QJsonObject& project, const QString& subject, const QDate& date) {
    const QString company = valueOf(project, "projectCompany");
    sheet::Lines lines{{sheet::Kind::Title, {company.isEmpty() ? programName() : company, QStringLiteral("计算书")}}};
    const auto item = [&](const QString& caption, const QString& text) {
        lines.push_back({sheet::Kind::Item, {caption, text}});
    };
    for (const char* key : {"projectName", "projectNumber", "projectDocument", "projectStage", "projectTag"})
        for (const Item& i : kItems)
            if (std::string_view(key) == i.key) item(QString::fromUtf8(i.caption), valueOf(project, key));
    item(QStringLiteral("计算项目"), subject);
    item(QStringLiteral("版次"), valueOf(project, "projectRevision"));
    const QString given = valueOf(project, "projectDate");
    item(QStringLiteral("日期"), given.isEmpty() ? date.toString(QStringLiteral("yyyy-MM-dd")) : given);
    lines.push_back(
        {sheet::Kind::Signatures,
         {QStringLiteral("设计"), valueOf(project, "projectDesigner"), QStringLiteral("校核"),
          valueOf(project, "projectChecker"), QStringLiteral("审核"), valueOf(project, "projectApprover")}});
    return lines;
}

Dialog::Dialog(const QJsonObject& project, QWidget* parent) : GuardedDialog(parent), project_(project) {
    setObjectName(QStringLiteral("projectInfoDialog"));
    setWindowTitle(QStringLiteral("工程信息"));
    auto* form = new QFormLayout;
    for (const Item& item : kItems) {
        auto* box = new QLineEdit(this);
        box->setMaxLength(kLongestText);
        box->setText(valueOf(project, item.key));
        box->setObjectName(QLatin1String(item.key));
        box->setMinimumWidth(320);
        box->setCursorPosition(0);
        form->addRow(QString::fromUtf8(item.caption) + QStringLiteral("："), box);
        boxes_.push_back(box);
    }
    boxes_.back()->setPlaceholderText(QStringLiteral("留空：单页印计算日期，全部计算书印导出日期"));
    auto* note = new QLabel(QStringLiteral("工程信息印在每份计算书的标题栏中，随工程文件保存。"), this);
    QDialogButtonBox* buttons = okCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    fitToScreen(this, parent);
}

QJsonObject Dialog::project() const {
    QJsonObject project = project_;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const QString key = QLatin1String(kItems[i].key);
        const QString typed = boxes_[i]->text();
        if (typed == project.value(key).toString()) continue;  // untouched: as it was, even an empty text
        if (typed.isEmpty())
            project.remove(key);
        else
            project[key] = typed;
    }
    return project;
}

}  // namespace vxr::app::project
