#include "app/window_test_support.h"

#include <sys/resource.h>

#include <QInputMethodEvent>
#include <cmath>
#include <csignal>
#include <utility>

#include "app/kit/tab_control.h"
#include "app/pages/page_list.h"

namespace vxr::test {
namespace {

bool g_catching = false;
std::optional<Message> g_caught;
QString g_press;

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

}  // namespace

QString Message::describe() const {
    const bool plain = buttons == 1 && icon == QMessageBox::NoIcon && captions == QStringList{"确定"};
    return title + " / " + text + (plain ? "" : " (buttons, icon)");
}

bool answer(QMessageBox& box) {
    Message m{box.windowTitle(), box.text(), int(box.buttons().size()), box.icon(), {}};
    for (const QAbstractButton* b : box.buttons()) m.captions << b->text();
    // One action, one message: a second box is a fault of its own.
    if (!g_catching || g_caught) ADD_FAILURE() << "unexpected message box: " << m.describe().toStdString();
    if (g_catching && !g_caught) g_caught = m;
    const QString press = std::exchange(g_press, QString());
    for (QAbstractButton* b : box.buttons())
        if (!press.isEmpty() && b->text() == press) return b->click(), true;
    return false;
}

void pressWith(const QString& caption) {
    g_press = caption;
}

std::optional<Message> catchMessage(const std::function<void()>& action) {
    g_caught.reset();
    g_catching = true;
    action();
    g_catching = false;
    return std::exchange(g_caught, std::nullopt);
}

void expectMessage(const std::optional<Message>& message, const QString& title, const QString& text) {
    ASSERT_TRUE(message.has_value()) << "no message box; expected " << text.toStdString();
    EXPECT_EQ(message->describe(), title + " / " + text);
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void onAFullDisk(long bytes, const std::function<void()>& action) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = static_cast<rlim_t>(bytes);
    std::signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit fails instead of ending the process
    setrlimit(RLIMIT_FSIZE, &small);
    action();
    setrlimit(RLIMIT_FSIZE, &old);
}

QString fieldText(std::mt19937_64& random, double lo, double hi, double odd_share) {
    const double v = std::uniform_real_distribution<double>(lo, hi)(random);
    const int style = int(random() % 10), magnitude = v == 0.0 ? 0 : int(std::floor(std::log10(std::fabs(v))));
    QString n = style == 0 ? QString::number(v, 'e', int(random() % 4))
                           : QString::number(v, 'f', std::max(0, 1 + int(random() % 4) - magnitude));
    if (style == 1 && v >= 0) n.prepend('+');
    if (std::uniform_real_distribution<double>(0, 1)(random) >= odd_share) return n;
    QString wide = n;  // as a Chinese input method in full-width mode types it
    for (QChar& c : wide)
        if (c.unicode() >= '!' && c.unicode() <= '~') c = QChar(char16_t(c.unicode() - 0x20 + 0xFF00));
    QString odd = kOdd[random() % std::size(kOdd)];
    return odd.replace("%1", n).replace("%W", wide);
}

QStringList snapshot(const QWidget& window) {
    QCoreApplication::processEvents();  // first what the window has posted to itself, such as a page's deferred loading
    QStringList s;
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

WindowTest::WindowTest() {
    window_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    // Pages are built when first opened; a test may read any page's controls from the start.
    for (const app::PageInfo& page : app::pages()) window_->page(page.name);
    QCoreApplication::processEvents();  // and what a page does just after it is built (the unit database)
}

void WindowTest::showPage(const char* name) {
    app::TabControl* tabs = window_->tabs();
    int index = -1;
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->page(i)->objectName() == QLatin1String(name)) index = i;
    ASSERT_GE(index, 0) << "no page named " << name;
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    EXPECT_EQ(tabs->currentIndex(), index);
}

void WindowTest::type(const char* field, const QString& text) {
    auto* box = find<QLineEdit>(field);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    // ASCII arrives as key presses; anything else as an input method commits it (full-width digits, Chinese).
    for (const QChar c : text) {
        QInputMethodEvent commit;
        commit.setCommitString(c);
        c.unicode() < 128 ? QTest::keyClick(box, c.toLatin1()) : void(QApplication::sendEvent(box, &commit));
    }
}

void WindowTest::setText(const char* field, const QString& text) {
    find<QLineEdit>(field)->setText(text);
}

QString WindowTest::text(const char* field) const {
    return find(field)->property("text").toString();
}

void WindowTest::click(const char* button) {
    if (const auto message = clickAndCatch(button))
        ADD_FAILURE() << "clicking " << button << " showed " << message->describe().toStdString();
}

std::optional<Message> WindowTest::clickAndCatch(const char* button) {
    return catchMessage([b = find<QAbstractButton>(button)] { QTest::mouseClick(b, Qt::LeftButton); });
}

void WindowTest::expectExponentOver(const char* digit, const char* caption) const {
    const QLabel *d = find<QLabel>(digit), *c = find<QLabel>(caption);
    const QString before_blank = c->text().left(c->text().indexOf(' '));
    const int blank = c->x() + c->fontMetrics().horizontalAdvance(before_blank);  // where the blank begins
    EXPECT_TRUE(d->parent() == c->parent() && d->isVisible()) << digit;
    EXPECT_TRUE(d->x() >= blank && d->x() < blank + c->fontMetrics().horizontalAdvance(' ')) << digit;
    EXPECT_TRUE(d->y() < c->y() && d->y() >= c->y() - 6) << digit;
}

}  // namespace vxr::test
