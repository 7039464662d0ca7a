#pragma once

#include "editor/CodeEditor.h"
#include "platform/AppDirs.h"
#include "platform/CommandBoundary.h"
#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "shared/WizardState.h"
#include "support/FakeBrowserView.h"
#include "support/FakeContext.h"
#include "support/FakeShell.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompter.h"
#include "tools/ToolCommands.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

// The tools' commands registered into a registry of their own, with a bare editor as the
// document and the data directory in a temporary directory.
class ToolFixture : public ::testing::Test {
protected:
    QTemporaryDir work;
    QTemporaryDir dataDir;
    QWidget mainWindow;
    CodeEditor* editor = new CodeEditor(&mainWindow);
    ScriptedPrompter prompter;
    FakeShell shell;
    CommandRegistry registry;
    WizardState wizard;
    QString documentFileName;

    ToolFixture()
    {
        AppDirs::setDataDir(dataDir.path());
        registry.setBoundary([this](const std::function<void()>& command) { runCommand(prompter, command); });
        FeatureContext context = fakeContext(&mainWindow, editor, &prompter, &shell, &registry, &wizard);
        context.documentFileName = [this] { return documentFileName; };
        registerToolCommands(context);
    }
    ~ToolFixture() override
    {
        flushDeletes();
        // Windows still open go before the prompter and registry they refer to.
        QList<QPointer<QWidget>> windows;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != &mainWindow && window->testAttribute(Qt::WA_DeleteOnClose)) windows << window;
        for (const QPointer<QWidget>& window : windows)
            delete window.data();
        AppDirs::setDataDir({});
    }

    // The one window of a type that is open, or nullptr; fails when there are several.
    template <typename Window> Window* openWindow()
    {
        Window* found = nullptr;
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible()) {
                found = window;
                ++count;
            }
        EXPECT_LE(count, 1);
        return found;
    }
    bool enabled(const char* command) const { return registry.action(QLatin1String(command))->isEnabled(); }
    // Lets windows closed with WA_DeleteOnClose go.
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QString workFile(const QString& name) const { return work.filePath(name); }
};
