// Driving the real window in tests: find controls by name, type, click, and catch the modal message boxes.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"

namespace vxr::test {

// What a modal message box showed before the test pressed its OK button.
struct Message {
    QString title;
    QString text;
    int buttons = 0;  // number of buttons in the box
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Runs `action` and catches the message box it opens, pressing its OK button; nothing if no box opened.
std::optional<Message> catchMessage(const std::function<void()>& action);

// Fails unless `message` is a box titled `title` showing `text`, with one OK button and no icon.
void expectMessage(const std::optional<Message>& message, const QString& title, const QString& text);
// Fails unless `message` is the data-check message of a failed calculation.
void expectDataCheck(const std::optional<Message>& message);

// True while catchMessage is waiting for a box (the watchdog of the test main leaves such boxes alone).
bool catchingMessages();

// Texts to type into named fields: (field, text) pairs.
using Typed = std::vector<std::pair<const char*, const char*>>;

// The texts of a page's input boxes by object name, as the wiring check hands them to the core, and the state of
// every option button ("1" checked, "0" not) under its name.
using Texts = std::map<std::string, std::string>;
// The core called on those texts: the result texts in the order of `results`, or nothing where it refuses.
using CoreCall = std::function<std::optional<std::vector<std::string>>(const Texts&)>;

// A fresh main window per test, shown offscreen, driven through its named controls.
class WindowTest : public ::testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;

    template <class T = QWidget>
    T* find(const char* name) const {
        T* w = window_->findChild<T*>(QString::fromLatin1(name));
        if (!w) ADD_FAILURE() << "no control named " << name;
        return w;
    }

    void showPage(int index);                              // clicks the page's tab
    void type(const char* field, const QString& text);     // clears the text box and types into it with keys
    void setText(const char* field, const QString& text);  // sets a text directly (for long texts)
    QString text(const char* field) const;                 // a text box's text or a label's caption
    QStringList allTexts() const;                          // every text box of the window, in a fixed order
    // Types each text into its field, clicks `button` (failing the test if a message box opens) and puts the typed
    // fields back; the results stay for the test to read.
    void calculateWith(const char* button, const Typed& typed);
    // Types each text into its field, clicks `button` and expects the data-check message with every text of the
    // window as it was just before the click (results and typed texts kept); then puts the fields back.
    void expectRefused(const char* button, const Typed& typed);
    void click(const char* button);                            // clicks and fails the test if a message box opens
    std::optional<Message> clickAndCatch(const char* button);  // clicks and returns the box it opened, if any
    bool checked(const char* option) const { return find<QAbstractButton>(option)->isChecked(); }
    // The page's wiring: for each input in turn, its number changed a little (v·1.03 + 0.001), the page's result
    // boxes after `button` show what `core` gives for the same texts (or a message box opens where it refuses);
    // two swapped boxes or a box read into the wrong member fail this. Puts each text back.
    void expectWiring(const char* button, const std::vector<const char*>& inputs,
                      const std::vector<const char*>& results, const CoreCall& core);
    // The exponent digit `digit` is shown just above its caption `caption`, over the blank left for it.
    void expectExponentOver(const char* digit, const char* caption) const;

    app::MainWindow& window() { return *window_; }

private:
    // Types each text into its field and returns what the fields held before, for restore().
    QStringList typeAll(const Typed& typed);
    void restore(const Typed& typed, const QStringList& before);

    std::unique_ptr<app::MainWindow> window_;
};

}  // namespace vxr::test
