// Driving the real window in tests: find controls by name, type, click, catch the modal message boxes, draw what a
// user might type into a field, and snapshot every control to tell what a click changed.
#pragma once

#include <gtest/gtest.h>

// The controls and tools the window tests use, included once here.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QStringList>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <tuple>

#include "app/main_window.h"
#include "app/pages/calc_page.h"

// Qt's strings as Google Test prints them in a failure: as text, a list one item a line.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << "{\n  " << list.join(QStringLiteral("\n  ")).toStdString() << "\n}";
}

namespace vxr::test {

#ifdef VXR_SANITIZED
constexpr int kCaseDivisor = 8;  // the sanitizer build runs several times slower: it tries fewer cases
#else
constexpr int kCaseDivisor = 1;
#endif

// What a modal message box showed before the test pressed its OK button; described as "title / text", with a mark
// where it has other buttons than one OK reading 确定 (Qt's translation) or an icon.
struct Message {
    QString title, text;
    int buttons = 1;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList captions{"确定"};  // the buttons' texts
    QString describe() const;
};
// Runs `action` and catches the message box it opens; nothing if no box opened.
std::optional<Message> catchMessage(const std::function<void()>& action);
// The test main's watchdog hands every open box here before closing it: caught where a test waits, else a failure.
// It presses the button captioned as `pressWith` asked, else OK; true where it pressed one itself.
bool answer(QMessageBox& box);
// The next box a test catches is answered with its button captioned `caption` (保存, 不保存, 取消, 恢复, 放弃).
void pressWith(const QString& caption);
// Fails unless `message` is a box titled `title` showing `text`, with one OK button reading 确定 and no icon.
void expectMessage(const std::optional<Message>& message, const QString& title, const QString& text);

// A number between lo and hi as people write it (a few decimals, now and then an exponent or a plus sign) or, with the
// share given, an awkward text: zero, a negative, a huge or tiny exponent, blanks around a number, nothing, letters,
// "1,5", "1.2.3", full-width digits, 10,000 characters. Each test seeds `random` so that every run tries the same.
QString fieldText(std::mt19937_64& random, double lo, double hi, double odd_share);
// Every text box, label, option, check box and button of a window as "name\tstate", once its posted events are done.
QStringList snapshot(const QWidget& window);
// What differs between two snapshots, leaving out the controls named in `allowed`; long texts cut short.
QStringList changed(const QStringList& before, const QStringList& after, const QStringList& allowed = {});

// A file's bytes (none where it cannot be read); `bytes` written to a file.
QByteArray bytesOf(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
// Runs `action` as on a full disk: this process may write no file beyond `bytes`.
void onAFullDisk(long bytes, const std::function<void()>& action);

// A fresh main window per test, every page built, shown offscreen.
class WindowTest : public ::testing::Test {
protected:
    WindowTest();

    template <class T = QWidget>
    T* find(const char* name) const {
        T* w = window_->findChild<T*>(QString::fromLatin1(name));
        if (!w) ADD_FAILURE() << "no control named " << name;
        return w;
    }
    void showPage(const char* name);                           // clicks the tab of the page so named
    void type(const char* field, const QString& text);         // clears the text box and types into it with keys
    void setText(const char* field, const QString& text);      // sets a text directly (for long texts)
    QString text(const char* field) const;                     // a text box's text or a label's or button's caption
    void click(const char* button);                            // clicks and fails the test if a message box opens
    std::optional<Message> clickAndCatch(const char* button);  // clicks and returns the box it opened, if any
    bool checked(const char* option) const { return find<QAbstractButton>(option)->isChecked(); }
    // The exponent digit `digit` is shown just above its caption `caption`, over the blank left for it.
    void expectExponentOver(const char* digit, const char* caption) const;
    app::MainWindow& window() { return *window_; }
    app::CalcPage* page(const char* name) { return qobject_cast<app::CalcPage*>(window_->page(name)); }

private:
    std::unique_ptr<app::MainWindow> window_ = std::make_unique<app::MainWindow>();
};

}  // namespace vxr::test
