// The program's look: Fusion style, a CJK font for every caption, the result-box colours and the icon.
#pragma once

#include <QFont>
#include <QIcon>

class QApplication;
class QDialog;
class QDialogButtonBox;
class QLineEdit;
class QTableWidget;

namespace vxr::app {

// Sets the Fusion style and the application font, so the window looks the same on every platform plugin, and
// loads Qt's Simplified Chinese translations for Qt's own dialogs and buttons.
void prepareApplication(QApplication& app);

// 9 pt (12 px) in SimSun where present, else the installed font that best covers Simplified Chinese.
QFont defaultFont();
// The small exponent digits of units: 6.75 pt (9 px).
QFont exponentFont();
// The CJK family used for the fonts above.
QString cjkFamily();

// Light cyan background, red text, read-only for typing but selectable and copyable; `outdated`: grey text, for a
// result that no longer belongs to the inputs shown.
void styleResultBox(QLineEdit* box, bool outdated = false);

// The application icon, drawn at 16 × 16 and 32 × 32.
QIcon appIcon();

// 确定 and 取消 (in Chinese with Qt's translations or without), accepting and rejecting `dialog`.
QDialogButtonBox* okCancelButtons(QDialog* dialog);
// Esc anywhere in `window` (a window of its own, not a dialog) closes it.
void closeOnEscape(QWidget* window);
// The selected cells of `table` to the clipboard as a spreadsheet pastes them: tabs between cells, a line a row.
void copySelectedCells(const QTableWidget& table);

}  // namespace vxr::app
