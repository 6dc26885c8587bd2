#pragma once

// What the dialog tests share: finding a dialog's controls by name and acting on the modal dialog a
// dialog under test opens.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace qv::test {

// The control of that objectName below parent; fails the test when there is none.
template <typename W>
W* Child(const QObject* parent, const char* name) {
    W* w = parent->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << "no control " << name;
    return w;
}

// Makes a shown window the active one at once, so that focus changes happen in it as they would
// under the user's hands.
inline void Activate(QWidget* window) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
}

// Runs action on the modal dialog that is about to open (the next one exec() shows), as soon as
// its event loop runs. The action must close it.
inline void OnNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, qApp, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr) << "no modal dialog open";
        Activate(modal);
        action(modal);
    });
}

// Notes, and closes, any modal dialog that an action opens although it should not.
struct NoModalExpected {
    bool Opened = false;
    NoModalExpected() {
        QTimer::singleShot(0, qApp, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                Opened = true;
                w->close();
            }
        });
    }
};

// The name of a parametrized case: its name member.
template <typename Case>
std::string ParamName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// A name fit for a test case from a text: letters and digits only.
inline std::string CaseName(std::string text) {
    std::string out;
    for (char c : text)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            out += c;
    return out;
}

} // namespace qv::test
