#include "app/kit/form.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

#include "app/kit/look.h"

namespace vxr::app {

namespace {

// A caption is never clipped: where the font needs more room than the design's box, the box grows right and down.
void growToFit(QWidget* w) {
    const QSize hint = w->sizeHint();
    w->resize(std::max(w->width(), hint.width()), std::max(w->height(), hint.height()));
}

}  // namespace

int pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

Form Form::page(QWidget* page) {
    return Form(page, kTabRowsTwips);
}
Form Form::inside(QWidget* frame) {
    return Form(frame, 0);
}

void Form::place(QWidget* w, const char* name, Twips at) const {
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(pixels(at.left), pixels(at.top - top_offset_), pixels(at.width), pixels(at.height));
}

QLabel* Form::label(const char* name, Twips at, const QString& caption) const {
    auto* l = new QLabel(caption, parent_);
    place(l, name, at);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    growToFit(l);
    return l;
}

QLineEdit* Form::input(const char* name, Twips at, const QString& text, QLabel* caption) const {
    auto* e = new QLineEdit(parent_);
    e->setMaxLength(kLongestText);
    e->setText(text);
    place(e, name, at);
    if (caption) caption->setBuddy(e);
    return e;
}

QLineEdit* Form::result(const char* name, Twips at, QLabel* caption) const {
    QLineEdit* e = input(name, at, QString(), caption);
    styleResultBox(e);
    return e;
}

QLabel* Form::exponent(const char* name, Twips at, const QString& digit, const char* caption) const {
    auto* l = new QLabel(digit, parent_);
    place(l, name, at);
    if (auto* c = parent_->findChild<QLabel*>(QString::fromLatin1(caption), Qt::FindDirectChildrenOnly)) {
        const QString text = c->text();
        c->setProperty(kExponentProperty, digit);
        l->move(c->x() + c->fontMetrics().horizontalAdvance(text.left(text.indexOf(QLatin1Char(' ')))), l->y());
    }
    l->setFont(exponentFont());
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    growToFit(l);
    l->raise();
    return l;
}

QPushButton* Form::button(const char* name, Twips at, const QString& caption) const {
    auto* b = new QPushButton(caption, parent_);
    place(b, name, at);
    b->setAutoDefault(false);
    return b;
}

QGroupBox* Form::groupBox(const char* name, Twips at, const QString& caption) const {
    auto* g = new QGroupBox(caption, parent_);
    place(g, name, at);
    return g;
}

QRadioButton* Form::option(const char* name, Twips at, const QString& caption, bool checked) const {
    auto* r = new QRadioButton(caption, parent_);
    place(r, name, at);
    r->setChecked(checked);
    growToFit(r);
    return r;
}

QCheckBox* Form::check(const char* name, Twips at, const QString& caption) const {
    auto* c = new QCheckBox(caption, parent_);
    place(c, name, at);
    growToFit(c);
    return c;
}

QFrame* Form::line(const char* name, int x1, int y, int x2) const {
    auto* f = new QFrame(parent_);
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    // A sunken line is two pixels high; centre it on the design's y.
    place(f, name, {x1, y - kTwipsPerPixel, x2 - x1, 2 * kTwipsPerPixel});
    return f;
}

DrawnCaption drawnCaption(const char* caption, int blanks) {
    QString text = QString::fromUtf8(caption);
    for (const QChar c : {QChar(0x00B2), QChar(0x00B3)}) {
        const int at = text.indexOf(c);
        if (at < 0) continue;
        text.replace(at, 1, QString(blanks, QLatin1Char(' ')));
        return {text, c == QChar(0x00B2) ? QStringLiteral("2") : QStringLiteral("3")};
    }
    return {text, {}};
}

void pressOnEnter(QWidget* page, QPushButton* button) {
    for (QLineEdit* e : page->findChildren<QLineEdit*>()) {
        if (e->isReadOnly()) continue;
        QObject::connect(e, &QLineEdit::returnPressed, button, &QPushButton::click);
    }
}

void setReadingTabOrder(QWidget* page) {
    struct Stop {
        QWidget* widget;
        QPoint at;
    };
    std::vector<Stop> stops;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || qobject_cast<QGroupBox*>(w)) continue;
        stops.push_back({w, w->mapTo(page, QPoint(0, 0))});
    }
    // Rows first: controls whose tops lie within a few pixels of each other read as one row, left to right.
    std::sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) { return a.at.y() < b.at.y(); });
    constexpr int kRowTolerance = 10;
    for (std::size_t start = 0; start < stops.size();) {
        std::size_t end = start + 1;
        while (end < stops.size() && stops[end].at.y() - stops[start].at.y() <= kRowTolerance) ++end;
        std::sort(stops.begin() + static_cast<std::ptrdiff_t>(start), stops.begin() + static_cast<std::ptrdiff_t>(end),
                  [](const Stop& a, const Stop& b) { return a.at.x() < b.at.x(); });
        start = end;
    }
    for (std::size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1].widget, stops[i].widget);
}

}  // namespace vxr::app
