#include "property_support.h"

#include <QCoreApplication>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace vxr::test {
namespace {

// The awkward texts; "%1" stands for a sensible number, "%W" for one in full-width characters.
// clang-format off
const QString kOdd[] = {
    "0", "-0", "0.0", "0e10", ".0", "000", "-%1", "-%1", "-%1", " %1 ", "\t%1\u3000", "", "", "   ",
    "1e308", "-1.7976931348623157e308", "1.8e308", "1e309", "1e-308", "4.9e-324", "-2.5E-320", "1e-400",
    "%1e-320", "%1E+300", "123456789012345678901234567890", "abc", "e", "1e", "E5", "nan", "inf", "-Infinity",
    "0x1A", "水", "1.5m", "5%", "1e5x", "1,5", "1,000", "0,001", "-1,5e3", "1.2.3", "1..2", "--1", "+-1", "1e2.5",
    ".", "-", "+", "1 2", "%W", "%W", "\u3000%W\u3000", "１%1", QString(10000, '1'),
    "0." + QString(9996, '0') + "12", QString(9998, ' ') + "42", "1." + QString(9998, '5'), QString(10000, 'x'),
    QString(10000, QChar(0x6C34)), "1e" + QString(9998, '0'), "1e-" + QString(9997, '9')};
// clang-format on

QString number(std::mt19937_64& random, double lo, double hi) {
    const double v = std::uniform_real_distribution<double>(lo, hi)(random);
    const int style = int(random() % 10);
    if (style == 0) return QString::number(v, 'e', int(random() % 4));
    const int magnitude = v == 0.0 ? 0 : int(std::floor(std::log10(std::fabs(v))));
    const QString text = QString::number(v, 'f', std::max(0, 1 + int(random() % 4) - magnitude));
    return style == 1 && v >= 0 ? "+" + text : text;
}

}  // namespace

QString fieldText(std::mt19937_64& random, double lo, double hi, double odd_share) {
    const QString n = number(random, lo, hi);
    if (std::uniform_real_distribution<double>(0, 1)(random) >= odd_share) return n;
    QString wide = n;  // as a Chinese input method in full-width mode types it
    for (QChar& c : wide)
        if (c.unicode() >= '!' && c.unicode() <= '~') c = QChar(char16_t(c.unicode() - 0x20 + 0xFF00));
    QString odd = kOdd[random() % std::size(kOdd)];
    return odd.replace("%1", n).replace("%W", wide);
}

QStringList snapshot(const QWidget& window) {
    QCoreApplication::processEvents();  // first what the window has posted to itself, such as a page's deferred loading
    QStringList s;                      // the widgets with a text: text boxes, labels, buttons, options and check boxes
    for (const QWidget* w : window.findChildren<QWidget*>())
        if (const QVariant text = w->property("text"); text.isValid())
            s << w->objectName() + '\t' + text.toString() + (w->property("checked").toBool() ? " [on]" : "") +
                     (w->isEnabled() ? "" : " [disabled]");
    return s;
}

QStringList changed(const QStringList& before, const QStringList& after, const QStringList& allowed) {
    if (before.size() != after.size()) return {"controls added or removed"};
    QStringList changes;
    for (qsizetype i = 0; i < before.size(); ++i)
        if (before[i] != after[i] && !allowed.contains(before[i].section('\t', 0, 0)))
            changes << before[i].left(60) + " -> " + after[i].section('\t', 1).left(40);
    return changes;
}

}  // namespace vxr::test
