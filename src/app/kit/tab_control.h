// A tab control with several rows of equal tabs, four to a row, drawn with the style's own tab and frame pieces.
//
// Qt's tab bar has a single row; the calculator's twelve pages sit in three rows above one page frame. As in the
// classic multi-row controls, the row holding the selected tab is always drawn next to the page. Pages are child
// widgets covering the area below the tab rows; only the current one is visible. Clicks, arrow keys (when the
// control has focus) and Ctrl+Tab / Ctrl+Shift+Tab (anywhere in the window) switch pages. Switching only shows
// and hides pages: no field is touched.
#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class QStyleOptionTab;

namespace vxr::app {

class TabControl : public QWidget {
    Q_OBJECT

public:
    TabControl(int tabs_per_row, int rows_height, QWidget* parent = nullptr);

    // Appends a page with its tab caption. `build` makes the page when it is first needed; the control owns it.
    int addPage(const QString& caption, std::function<QWidget*()> build);
    int count() const { return static_cast<int>(pages_.size()); }
    int currentIndex() const { return current_; }
    // The page at `index`, built now if it has not been yet; nullptr outside the range.
    QWidget* page(int index);
    bool isBuilt(int index) const;
    QString tabText(int index) const;
    // The rectangle of a tab as currently drawn, in the control's coordinates.
    QRect tabRect(int index) const;

    void setCurrentIndex(int index);

signals:
    void currentChanged(int index);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int rowCount() const;
    // Where a logical row (tabs 0..3 are row 0) is drawn: the selected tab's row is the bottom one.
    int displayedRow(int logical_row) const;
    void initTabOption(QStyleOptionTab* option, int index) const;
    QRect pageRect() const;

    struct Page {
        std::function<QWidget*()> build;
        QWidget* widget = nullptr;
    };

    int tabs_per_row_;
    int rows_height_;
    int current_ = -1;
    std::vector<Page> pages_;
    QStringList captions_;
};

}  // namespace vxr::app
