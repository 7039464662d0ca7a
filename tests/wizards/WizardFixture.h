#pragma once

#include "editor/CodeEditor.h"
#include "platform/HintRouter.h"
#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "shared/HexColour.h"
#include "shared/WizardState.h"
#include "support/FakeBrowserView.h"
#include "support/FakeContext.h"
#include "support/FakeShell.h"
#include "support/ScriptedPrompter.h"
#include "wizards/WizardCommands.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

// A stand-in main window with the document's editor, and the wizards' commands registered in a
// registry of its own.
class WizardFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetHexColour();
        auto* layout = new QVBoxLayout(&mainWindow);
        layout->addWidget(otherField);
        layout->addWidget(editor);
        mainWindow.resize(600, 400);
        mainWindow.show();
        context = fakeContext(&mainWindow, editor, &prompter, &shell, &registry, &wizard);
        context.makeBrowser = [this](QWidget* parent) {
            browser = new FakeBrowserView(parent);
            return browser;
        };
        context.documentFileName = [this] { return documentFile; };
        context.save = [this] { return saveDocument ? saveDocument() : false; };
        registerWizardCommands(context);
    }
    void TearDown() override
    {
        prompter.verify();
        for (QDialog* d : mainWindow.findChildren<QDialog*>())
            delete d;
    }

    // Runs a command and returns the window it opened.
    template <class W> W* open(const QString& command)
    {
        EXPECT_TRUE(registry.run(command));
        W* window = mainWindow.findChild<W*>();
        EXPECT_NE(window, nullptr) << command.toStdString();
        if (window) activate(window);
        return window;
    }
    void activate(QWidget* window)
    {
        QApplication::setActiveWindow(window);
        QApplication::processEvents();
    }
    // Lets closed windows be released.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    bool enabled(const QString& command) const { return registry.action(command)->isEnabled(); }

    template <class T = QWidget> static T* child(QWidget* window, const char* name)
    {
        T* w = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static void click(QWidget* window, const char* name)
    {
        if (auto* b = child<QAbstractButton>(window, name)) b->click();
    }
    static void setText(QWidget* window, const char* name, const QString& text)
    {
        if (auto* e = child<QLineEdit>(window, name)) e->setText(text);
    }
    static bool checked(QWidget* window, const char* name) { return child<QCheckBox>(window, name)->isChecked(); }
    static bool isEnabled(QWidget* window, const char* name) { return child<QWidget>(window, name)->isEnabled(); }

    // The document with '|' at the caret; a selection shows as [ ].
    QString textWithCaret() const
    {
        QString text = editor->text();
        if (editor->selLength() == 0) return text.insert(editor->selStart(), u'|');
        const int from = qMin(editor->selStart(), editor->selStart() + editor->selLength());
        return text.insert(from + qAbs(editor->selLength()), u']').insert(from, u'[');
    }
    void selectInDocument(const QString& text, int start, int length)
    {
        editor->setText(text);
        editor->setSelStart(start);
        editor->setSelLength(length);
    }

    QWidget mainWindow;
    CodeEditor* editor = new CodeEditor(&mainWindow);
    QLineEdit* otherField = new QLineEdit(&mainWindow); // somewhere else the focus could be
    ScriptedPrompter prompter;
    FakeShell shell;
    CommandRegistry registry;
    WizardState wizard;
    FeatureContext context;
    FakeBrowserView* browser = nullptr;
    QString documentFile;
    std::function<bool()> saveDocument; // the main window's Save
};
