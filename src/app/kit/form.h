// Building a page from its table of controls: positions in twips, names, captions and default texts.
//
// Every page and frame places its controls absolutely, at the twip positions of its design (15 twips a pixel).
// A page's coordinates are measured from the top-left corner of the whole tab control, tab rows included, so a
// page `Form` subtracts the height of the tab rows; a frame's coordinates are measured from the frame itself.
#pragma once

#include <QString>
#include <cstddef>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace vxr::app {

constexpr int kTwipsPerPixel = 15;
constexpr int kTabsPerRow = 4;
constexpr int kTabRowTwips = 295;
// The design's three rows of tabs: a page's coordinates are measured from the top of the tab control above them.
constexpr int kTabRowsTwips = 3 * kTabRowTwips;
// The rows of tabs `pages` pages need, four to a row: twelve pages keep the design's three, a thirteenth adds a row
// (the tab control and the window grow by it and every page moves down, laid out as before).
constexpr int tabRows(std::size_t pages) {
    return static_cast<int>((pages + kTabsPerRow - 1) / kTabsPerRow);
}
// The property of a caption label that names the exponent digit laid over its first blank ("2" or "3").
constexpr const char* kExponentProperty = "exponentDigit";

// left, top, width, height in twips.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

int pixels(int twips);

// The longest text a text box holds, as a case file may keep it (Qt's own limit, 32 767, would cut longer ones).
inline constexpr int kLongestText = 100000;

// Where a page draws one field of its calculation's table (frame/field.h): its control (text box or option button)
// and the caption label to its left, in twips. A field captioned by an option's tail has no label of its own. Where
// the caption's unit has an exponent, the small digit is a label of its own over `blanks` blanks of the caption.
struct Place {
    const char* field;
    Twips at;
    const char* label = nullptr;
    Twips label_at{};
    const char* exponent = nullptr;
    Twips exponent_at{};
    int blanks = 2;
};

class Form {
public:
    // A form on a page of the tab control (origin at the control's top-left corner) ...
    static Form page(QWidget* page);
    // ... or inside a frame (origin at the frame's top-left corner).
    static Form inside(QWidget* frame);

    // A caption label. Its text is drawn whole: a caption wider or taller than its box grows to fit.
    QLabel* label(const char* name, Twips at, const QString& caption) const;
    // An input text box with its default text; `caption` becomes the label's buddy.
    QLineEdit* input(const char* name, Twips at, const QString& text, QLabel* caption) const;
    // A result text box: light cyan, red text, read-only for typing but selectable and copyable.
    QLineEdit* result(const char* name, Twips at, QLabel* caption) const;
    // The small "2"/"3" of a unit, laid over the blanks left for it in the caption label named `caption` (already
    // built on this form). The design's top is kept; the left follows the caption's first blank as measured in the
    // caption's own font, so the digit clears the letter before it whatever font the platform draws.
    QLabel* exponent(const char* name, Twips at, const QString& digit, const char* caption) const;
    QPushButton* button(const char* name, Twips at, const QString& caption) const;
    QGroupBox* groupBox(const char* name, Twips at, const QString& caption) const;
    QRadioButton* option(const char* name, Twips at, const QString& caption, bool checked) const;
    QCheckBox* check(const char* name, Twips at, const QString& caption) const;
    // A horizontal line from (x1, y) to (x2, y).
    QFrame* line(const char* name, int x1, int y, int x2) const;

private:
    Form(QWidget* parent, int top_offset) : parent_(parent), top_offset_(top_offset) {}
    void place(QWidget* w, const char* name, Twips at) const;

    QWidget* parent_;
    int top_offset_;
};

// A caption as a label draws it: the exponent ² or ³ of its unit as `blanks` blanks (the small digit goes over them),
// and the digit, empty where the caption has none.
struct DrawnCaption {
    QString text;
    QString digit;
};
DrawnCaption drawnCaption(const char* caption, int blanks);

// Enter in any of the page's editable text boxes presses `button`.
void pressOnEnter(QWidget* page, QPushButton* button);
// The Tab key walks the page's focusable controls in reading order: rows top to bottom, left to right in a row.
void setReadingTabOrder(QWidget* page);

}  // namespace vxr::app
