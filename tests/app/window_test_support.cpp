#include "window_test_support.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "app/tab_control.h"

namespace vxr::test {
namespace {
bool g_catching = false;
}

bool catchingMessages() {
    return g_catching;
}

std::optional<Message> catchMessage(const std::function<void()>& action) {
    std::optional<Message> caught;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        if (caught) {
            // One action, one message: a second box is a fault of its own, closed so that the test goes on.
            ADD_FAILURE() << "a second message box: " << box->windowTitle().toStdString() << " / "
                          << box->text().toStdString();
            box->done(QMessageBox::Ok);
            return;
        }
        caught = Message{box->windowTitle(), box->text(), static_cast<int>(box->buttons().size()), box->icon()};
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        if (ok)
            ok->click();
        else
            box->done(0);
    });
    g_catching = true;
    poll.start();
    action();
    poll.stop();
    g_catching = false;
    return caught;
}

void expectMessage(const std::optional<Message>& message, const QString& title, const QString& text) {
    ASSERT_TRUE(message.has_value()) << "no message box; expected " << text.toStdString();
    EXPECT_EQ(message->title, title);
    EXPECT_EQ(message->text, text);
    EXPECT_EQ(message->buttons, 1);
    EXPECT_EQ(message->icon, QMessageBox::NoIcon);
}

void expectDataCheck(const std::optional<Message>& message) {
    expectMessage(message, QStringLiteral("运行错误"), QStringLiteral("请仔细核对数据！"));
}

WindowTest::WindowTest() : window_(std::make_unique<app::MainWindow>()) {
    window_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    // Pages are built when first opened; a test may read any page's controls from the start.
    for (int i = 0; i < window_->tabs()->count(); ++i) window_->tabs()->page(i);
    QCoreApplication::processEvents();  // and what a page does just after it is built (the unit database)
}

WindowTest::~WindowTest() = default;

void WindowTest::showPage(int index) {
    app::TabControl* tabs = window_->tabs();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    EXPECT_EQ(tabs->currentIndex(), index);
}

void WindowTest::type(const char* field, const QString& text) {
    auto* box = find<QLineEdit>(field);
    if (!box) return;
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    // ASCII arrives as key presses; anything else as an input method commits it (full-width digits, Chinese).
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(box, c.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(box, &commit);
        }
    }
}

void WindowTest::setText(const char* field, const QString& text) {
    if (auto* box = find<QLineEdit>(field)) box->setText(text);
}

QString WindowTest::text(const char* field) const {
    QWidget* w = find<QWidget>(field);
    if (auto* box = qobject_cast<QLineEdit*>(w)) return box->text();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    return {};
}

QStringList WindowTest::typeAll(const Typed& typed) {
    QStringList before;
    for (const auto& [field, value] : typed) {
        before << text(field);
        type(field, QString::fromUtf8(value));
    }
    return before;
}

void WindowTest::restore(const Typed& typed, const QStringList& before) {
    for (std::size_t i = 0; i < typed.size(); ++i) setText(typed[i].first, before.value(qsizetype(i)));
}

void WindowTest::calculateWith(const char* button, const Typed& typed) {
    const QStringList before = typeAll(typed);
    click(button);
    restore(typed, before);
}

void WindowTest::expectRefused(const char* button, const Typed& typed) {
    const QStringList before = typeAll(typed);
    const QStringList shown = allTexts();
    expectDataCheck(clickAndCatch(button));
    EXPECT_EQ(allTexts(), shown);
    restore(typed, before);
}

QStringList WindowTest::allTexts() const {
    QStringList texts;
    for (const QLineEdit* e : window_->findChildren<QLineEdit*>()) texts << e->text();
    return texts;
}

void WindowTest::click(const char* button) {
    const auto message = clickAndCatch(button);
    if (message)
        ADD_FAILURE() << "clicking " << button << " showed " << message->title.toStdString() << " / "
                      << message->text.toStdString();
}

std::optional<Message> WindowTest::clickAndCatch(const char* button) {
    auto* b = find<QAbstractButton>(button);
    if (!b) return std::nullopt;
    return catchMessage([b] { QTest::mouseClick(b, Qt::LeftButton); });
}

void WindowTest::expectWiring(const char* button, const std::vector<const char*>& inputs,
                              const std::vector<const char*>& results, const CoreCall& core) {
    for (const char* changed : inputs) {
        SCOPED_TRACE(changed);
        const QString before = text(changed);
        bool number = false;
        const double v = before.toDouble(&number);
        if (!number) continue;
        setText(changed, QString::number(v * 1.03 + 0.001, 'g', 12));
        Texts texts;
        for (const char* input : inputs) texts[input] = text(input).toStdString();
        for (const QRadioButton* option : window_->findChildren<QRadioButton*>())
            texts[option->objectName().toStdString()] = option->isChecked() ? "1" : "0";
        const auto expected = core(texts);
        const auto message = clickAndCatch(button);
        if (!expected) {
            EXPECT_TRUE(message.has_value()) << "the core refuses, the page did not";
        } else {
            EXPECT_FALSE(message.has_value()) << message->text.toStdString();
            for (std::size_t i = 0; i < results.size() && i < expected->size(); ++i)
                EXPECT_EQ(text(results[i]).toStdString(), (*expected)[i]) << results[i];
        }
        setText(changed, before);
    }
}

void WindowTest::expectExponentOver(const char* digit, const char* caption) const {
    SCOPED_TRACE(digit);
    const QLabel* d = find<QLabel>(digit);
    const QLabel* c = find<QLabel>(caption);
    ASSERT_EQ(d->parent(), c->parent());
    const qsizetype blank = c->text().indexOf(QLatin1Char(' '));
    const int blank_left = c->x() + c->fontMetrics().horizontalAdvance(c->text().left(blank));
    const int blank_right = c->x() + c->fontMetrics().horizontalAdvance(c->text().left(blank + 1));
    EXPECT_GE(d->x(), blank_left);
    EXPECT_LT(d->x(), blank_right);
    EXPECT_LT(d->y(), c->y());
    EXPECT_GE(d->y(), c->y() - 6);
    EXPECT_TRUE(d->isVisible());
}

}  // namespace vxr::test
