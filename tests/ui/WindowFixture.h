#pragma once

// The main window, offscreen, with scripted prompts, settings in memory and a folder of its own; and
// the few input steps the window tests are written in.

#include "Codepage1252.h"
#include "FormPageScroll.h"
#include "ImportReturn.h"
#include "ScriptedPrompts.h"
#include "FieldText.h"
#include "TestSupport.h"
#include "frmMain.h"
#include "uFranchise.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace qv::test {

inline std::string FromCp(const std::string& text) {
    return Cp1252ToUtf8(text);
}

inline std::string ExamplePath(const std::string& name) {
    return std::string(QV_EXAMPLES_DIR) + "/" + name;
}

class WindowTest : public ::testing::Test {
protected:
    Tdm dm;
    ScriptedPrompts prompts;
    MemorySettings settings;
    Services services{dm, prompts, settings, RegionalSettings::UnitedStates()};
    TempFolder dir;
    // Where fixture files are made and saved files are read back, apart from the window's tables.
    TestEnv files;
    std::unique_ptr<ui::TfMain> w;

    void SetUp() override { settings.WriteString("LastDir", Folder()); }

    // The window, created and shown as the program shows it.
    void Show(const std::string& pending = {}) {
        w = std::make_unique<ui::TfMain>(services, prompts);
        w->PendingFileName = pending;
        w->resize(1000, 800);
        w->show();
        w->activateWindow();
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    // The window made the active one again, as the desktop does when a dialog or pop-up of it closes.
    void Reactivate() {
        w->activateWindow();
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    std::string Folder() const { return dir.Path().string() + "/"; }
    std::string PathOf(const std::string& name) const { return (dir.Path() / name).string(); }

    ReturnRecord& Rec() { return w->Doc().Record; }
    std::string Field(std::string_view name) { return FieldText(Rec(), name); }

    QWidget* C(const char* name) {
        QWidget* c = w->findChild<QWidget*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    template <class T>
    T* C(const char* name) {
        return qobject_cast<T*>(C(name));
    }
    QAction* Action(const char* name) { return w->findChild<QAction*>(name); }

    // The value shown, through the standard properties.
    std::string Text(const char* name) {
        QWidget* c = C(name);
        if (auto* list = qobject_cast<QComboBox*>(c))
            return list->currentText().toStdString();
        return c->property("text").toString().toStdString();
    }
    bool Checked(const char* name) { return C<QAbstractButton>(name)->isChecked(); }

    // The tab that holds a control, made the current one.
    void ShowTabOf(QWidget* c) {
        for (int i = 0; i < w->Tabs()->count(); ++i)
            if (w->Tabs()->widget(i)->isAncestorOf(c)) {
                w->Tabs()->setCurrentIndex(i);
                static_cast<ui::FormPageScroll*>(w->Tabs()->widget(i))->ensureWidgetVisible(c);
            }
    }
    // The focus moved into a control as Tab moves it, without a click.
    void Enter(const char* name) {
        QWidget* c = C(name);
        ShowTabOf(c);
        c->setFocus(Qt::TabFocusReason);
    }
    // A click into a control, as the user moves into a field with the mouse.
    void ClickInto(const char* name) {
        QWidget* c = C(name);
        ShowTabOf(c);
        QTest::mouseClick(c, Qt::LeftButton, Qt::NoModifier, QPoint(4, c->height() / 2));
    }
    void Click(const char* name) {
        QWidget* c = C(name);
        ShowTabOf(c);
        QTest::mouseClick(c, Qt::LeftButton);
    }
    // Moves into a field with the mouse, selects what it holds and types over it.
    void Type(const char* name, const QString& text) {
        ClickInto(name);
        QWidget* c = C(name);
        if (auto* e = qobject_cast<QLineEdit*>(c)) {
            e->selectAll();
            QTest::keyClick(c, Qt::Key_Delete);
        }
        QTest::keyClicks(c, text);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* f = QApplication::focusWidget();
        ASSERT_NE(f, nullptr);
        QTest::keyClick(f, key, mods);
    }
    std::string Focused() {
        QWidget* f = QApplication::focusWidget();
        return f == nullptr ? std::string() : f->objectName().toStdString();
    }
    // A return file written by the document layer itself.
    std::string WriteReturn(const std::string& name, const std::function<void(ReturnRecord&)>& fill) {
        Franchise doc(2010, files.services);
        fill(doc.Record);
        doc.SaveToFile(PathOf(name));
        return PathOf(name);
    }
    // A saved file, read back by the document layer.
    std::unique_ptr<Franchise> Load(const std::string& path) {
        auto doc = std::make_unique<Franchise>(2010, files.services);
        doc->LoadFromFile(path);
        return doc;
    }
    void OpenFile(const std::string& path) {
        prompts.OpenFiles.push_back(path);
        Action("FileOpen1")->trigger();
    }
};

} // namespace qv::test
