// The window's calculation-sheet actions: 工程信息…, 复制计算书, 打印…, 导出计算书（PDF）… and 导出全部计算书（PDF）….
// Each is one action of the window with one shortcut, in the 文件 menu; the three that act on the page shown are
// also every calculating page's context menu, and a page's 打印 button prints through the same path. They are off
// on a page without a sheet (单位换算); on a page holding no calculation they say "本页尚未计算。" and do nothing
// else.
#pragma once

#include <QObject>
#include <QString>

#include "app/sheet/layout.h"

class QAction;
class QMenu;
class QPrinter;

namespace vxr::app {

class CalcPage;
class TabControl;
class Workspace;

class SheetActions : public QObject {
    Q_OBJECT

public:
    SheetActions(QWidget* window, TabControl* tabs, Workspace* workspace);

    // Adds the five actions to `menu` (the 文件 menu's middle group).
    void addTo(QMenu* menu);
    // A calculating page just built: its context menu and its 打印 button.
    void offer(CalcPage* page);

    // The page's sheet under its title block, the date of its calculation where the project gives none.
    sheet::Lines pageSheet(const CalcPage& page) const;
    // Every calculated page in one document: one title block (the date of today where the project gives none),
    // the contents (naming the pages left out for want of a calculation), and each page's sheet as a section.
    // Pages not built yet are built to be read.
    sheet::Lines caseSheet() const;
    // Paints the page's sheet on `printer`; false where the printer takes no painting.
    bool print(const CalcPage& page, QPrinter& printer) const;

private:
    CalcPage* current() const;
    // The page, if it holds a calculation; else the message "本页尚未计算。" and nothing.
    CalcPage* calculated(CalcPage* page) const;
    void follow(int index);
    void copy();
    void preview(CalcPage* page);
    void exportPage();
    void exportCase();
    void editProject();
    // The case file's name for the pages' foot, or 未保存.
    QString fileShown() const;
    // The save dialog for a PDF titled `caption`, opened in the folder last used with `name` proposed; empty where
    // cancelled.
    QString askPath(const QString& caption, const QString& name) const;
    void write(const sheet::Lines& lines, const QString& title, const QString& path) const;

    QWidget* window_;
    TabControl* tabs_;
    Workspace* workspace_;
    QAction* project_;
    QAction* copy_;
    QAction* print_;
    QAction* export_;
    QAction* export_all_;
};

}  // namespace vxr::app
