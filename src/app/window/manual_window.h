// The manual: one Markdown chapter per page (docs/manual, shipped inside the program as the resource :/manual),
// shown with Qt's own Markdown support, the chapters listed beside the text and a find box above it. The window is
// made when first opened, stays modeless and is reused; 帮助 → 内容 opens it at the start, F1 at the current page.
#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <string_view>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace vxr::app {

class ManualWindow : public QWidget {
    Q_OBJECT

public:
    // The name of the start chapter (docs/manual/index.md); every other chapter is named by its page's object name.
    static constexpr const char* kStart = "index";

    explicit ManualWindow(QWidget* parent = nullptr);

    // Shows the chapter named `chapter`: a page's object name, or kStart (also for a name that has no chapter).
    void showChapter(std::string_view chapter);
    // The chapter's place among the resources, qrc:/manual/<chapter>.md.
    static QUrl chapterUrl(std::string_view chapter);

private:
    // The chapter's Markdown as shipped.
    QString chapterText(int row) const;
    // Shows the chapter of the list's row `row` (the list follows links too).
    void showRow(int row);
    void followLink(const QUrl& source);
    // Selects the next occurrence of the find box's text: further on in this chapter, else from the top of the next
    // chapter that holds it, this chapter's top last; says so where the manual has none.
    void findNext();

    QListWidget* chapters_ = nullptr;
    QTextBrowser* text_ = nullptr;
    QLineEdit* find_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace vxr::app
