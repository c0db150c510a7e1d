#include "property_support.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace vxr::test {

int RandomTexts::below(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(rng_);
}

bool RandomTexts::chance(double p) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p;
}

double RandomTexts::uniform(double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng_);
}

QString RandomTexts::number(double lo, double hi) {
    const double v = uniform(lo, hi);
    char buffer[64];
    std::to_chars_result written;
    const int style = below(10);
    if (style == 8) {
        written = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, below(4));
    } else {
        // Two to five significant digits, and whole numbers where the value is large enough for them.
        const int magnitude = v == 0.0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(v))));
        const int decimals = std::max(0, 1 + below(4) - magnitude);
        written = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
    }
    const QString text = QString::fromLatin1(buffer, written.ptr - buffer);
    return style == 9 && !text.startsWith(QLatin1Char('-')) ? QLatin1Char('+') + text : text;
}

QString RandomTexts::odd(double lo, double hi) {
    switch (below(10)) {
        case 0:
            return QString::fromLatin1(pick({"0", "0.0", "-0", "0e10", ".0", "0.", "000"}));
        case 1: {
            QString t = number(lo, hi);
            if (t.startsWith(QLatin1Char('+'))) t.remove(0, 1);
            return t.startsWith(QLatin1Char('-')) ? t.mid(1) : QLatin1Char('-') + t;
        }
        case 2:
            if (chance(0.5)) {
                return QString::fromLatin1(
                    pick({"1e308", "-1.7976931348623157e308", "1.8e308", "1e309", "9.99E299", "1e-308", "4.9e-324",
                          "-2.5E-320", "1e-400", "1E+15", "123456789012345678901234567890"}));
            }
            return number(1, 10) + (chance(0.5) ? QStringLiteral("e-") : QStringLiteral("E+")) +
                   QString::number(100 + below(300));
        case 3: {
            const char* const blanks[] = {" ", "  ", "\t", "\u3000", " \t "};
            return QString::fromUtf8(pick(blanks)) + number(lo, hi) + QString::fromUtf8(pick(blanks));
        }
        case 4:
            return chance(0.8) ? QString() : QStringLiteral("   ");
        case 5:
            return QString::fromUtf8(pick({"abc", "e", "1e", "E5", "nan", "NaN", "inf", "-Infinity", "0x1A", "&H10",
                                           "1O", "水", "一二", "1.5m", "l", "$5", "5%", "1e5x"}));
        case 6:
            return QString::fromLatin1(pick({"1,5", "1,000", "0,001", "-1,5e3", "2,"}));
        case 7:
            return QString::fromLatin1(
                pick({"1.2.3", "1..2", "--1", "+-1", "1e2.5", "1e+-2", ".", "-", "+", "1 2", "1-", ".e1", "e", "1e"}));
        case 8: {
            // As a Chinese input method in full-width mode types it; now and then only some characters are wide.
            QString t = number(lo, hi);
            const bool all = chance(0.7);
            for (QChar& c : t) {
                if (!all && chance(0.5)) continue;
                const char16_t u = c.unicode();
                if ((u >= '0' && u <= '9') || u == '.' || u == '+' || u == '-' || u == 'e' || u == 'E')
                    c = QChar(char16_t(u - 0x20 + 0xFF00));
            }
            return chance(0.2) ? QStringLiteral("\u3000") + t + QStringLiteral("\u3000") : t;
        }
        default:
            switch (below(8)) {
                case 0:
                    return QString(10000, QLatin1Char('1'));  // too large for a double
                case 1:
                    return QStringLiteral("0.") + QString(9996, QLatin1Char('0')) + QStringLiteral("12");
                case 2:
                    return QString(9998, QLatin1Char(' ')) + QStringLiteral("42");
                case 3:
                    return QStringLiteral("1.") + QString(9998, QLatin1Char('5'));
                case 4:
                    return QString(10000, QLatin1Char('x'));
                case 5:
                    return QString(10000, QChar(0x6C34));  // 水
                case 6:
                    return QStringLiteral("1e") + QString(9998, QLatin1Char('0'));  // one, with a long exponent
                default:
                    return QStringLiteral("1e-") + QString(9997, QLatin1Char('9'));
            }
    }
}

QString RandomTexts::note() {
    switch (below(3)) {
        case 0:
            return odd(0, 100);
        case 1:
            return number(-100, 100);
        default:
            return QString::fromUtf8(pick({"水", "RW0101-100 L1B ", "P0101 ", "无缝钢管", "", "   ", "管道 A-1"}));
    }
}

Snapshot snapshot(const QWidget& window) {
    Snapshot s;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        QString state;
        if (const auto* box = qobject_cast<const QLineEdit*>(w)) {
            state = box->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            state = label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            state = button->text() + (button->isChecked() ? QStringLiteral(" [on]") : QStringLiteral(" [off]"));
        } else {
            continue;
        }
        if (!w->isEnabled()) state += QStringLiteral(" [disabled]");
        s[w] = {w->objectName(), state};
    }
    return s;
}

QStringList changedControls(const Snapshot& before, const Snapshot& after, const QStringList& allowed) {
    QStringList changed;
    for (const auto& [widget, was] : before) {
        const auto now = after.find(widget);
        if (now == after.end()) {
            changed << was.name + QStringLiteral(" (gone)");
        } else if (now->second.state != was.state && !allowed.contains(was.name)) {
            changed << was.name + QStringLiteral(": ") + shortened(was.state) + QStringLiteral(" -> ") +
                           shortened(now->second.state);
        }
    }
    for (const auto& [widget, is] : after)
        if (!before.count(widget)) changed << is.name + QStringLiteral(" (new)");
    return changed;
}

QString shortened(const QString& text) {
    if (text.size() <= 40) return QLatin1Char('"') + text + QLatin1Char('"');
    return QLatin1Char('"') + text.left(20) + QStringLiteral("…\" (") + QString::number(text.size()) +
           QStringLiteral(" characters)");
}

}  // namespace vxr::test
