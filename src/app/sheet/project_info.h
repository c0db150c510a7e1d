// The project information (工程信息) of a case: its items as the case file keys them, the title block that heads
// every calculation sheet with them, and the dialog that edits them.
#pragma once

#include <QDate>
#include <QJsonObject>
#include <vector>

#include "app/kit/guarded_dialog.h"
#include "app/sheet/layout.h"

class QLineEdit;

namespace vxr::app::project {

struct Item {
    const char* key;      // in the case file's object "project" and as the dialog's box
    const char* caption;  // in the dialog and the title block
};
inline constexpr Item kItems[] = {
    {"projectCompany", "设计单位"},  {"projectName", "工程名称"},  {"projectNumber", "工程编号"},
    {"projectDocument", "文件编号"}, {"projectStage", "设计阶段"}, {"projectTag", "设备位号/管线号"},
    {"projectDesigner", "设计"},     {"projectChecker", "校核"},   {"projectApprover", "审核"},
    {"projectRevision", "版次"},     {"projectDate", "日期"},
};

// The title block of a sheet on `subject` (a page's caption, or the whole case): "<设计单位> 计算书", or
// "VXR V1.00 计算书" where no company is given; then 工程名称, 工程编号, 文件编号, 设计阶段, 设备位号/管线号, 计算项目
// (`subject`), 版次 and 日期 (the project's, else `date`) one a line, each line its caption and its text (empty where
// none is given); then the signatures: 设计, 校核 and 审核, each with the name given. (The program and its version
// are in every page's footer.)
sheet::Lines titleBlock(const QJsonObject& project, const QString& subject, const QDate& date);

// 工程信息…: one box per item, filled from `project`; `project()` gives it back with the texts typed (an emptied
// item left out, items this version does not know kept).
class Dialog : public GuardedDialog {
    Q_OBJECT

public:
    Dialog(const QJsonObject& project, QWidget* parent);
    QJsonObject project() const;

protected:
    bool changed() const override { return project() != project_; }

private:
    QJsonObject project_;
    std::vector<QLineEdit*> boxes_;  // one per item of kItems
};

}  // namespace vxr::app::project
