#pragma once

#include "editor/CodeEditor.h"
#include "main/DocumentSession.h"
#include "main/MainWindow.h"
#include "platform/AppDirs.h"
#include "support/FakeBrowserView.h"
#include "support/FakeShell.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

// A real main window offscreen with a scripted prompter, a fake shell and browser, and fresh
// settings and work directories.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppDirs::setSettingsDir(settings.path());
        QDir::setCurrent(work.path());
    }
    void TearDown() override
    {
        if (window) {
            prompter.verify();
            window->hide();
            window.reset();
        }
    }

    // Builds the window; `args` are the command-line arguments after the program name.
    MainWindow& start(const QStringList& args = {}, bool show = true)
    {
        MainWindow::Services services;
        services.prompter = &prompter;
        services.shell = &shell;
        services.makeBrowser = [this](QWidget* parent) {
            browser = new FakeBrowserView(parent);
            return browser;
        };
        services.valuePrompt = [this](const QString& label, const QString& value) {
            prompts << label + "|" + value;
            if (answers.empty()) return value;
            const QString answer = answers.front();
            answers.pop_front();
            return answer;
        };
        window = std::make_unique<MainWindow>(services, args);
        window->resize(900, 700);
        if (show) window->show();
        return *window;
    }
    CodeEditor& editor() { return *window->editor(); }

    QString settingsFile(const QString& name) const { return settings.filePath(name); }
    QString workFile(const QString& name) const { return work.filePath(name); }
    void trigger(const QString& action)
    {
        QAction* a = window->action(action);
        ASSERT_NE(a, nullptr) << action.toStdString();
        a->trigger();
    }
    // Ends the test's window without the exit question.
    void discard()
    {
        editor().setModified(false);
        prompter.expectMessage(
            "Exit the editor?", Prompter::Icon::Confirmation, Prompter::Ok | Prompter::Cancel, Prompter::Ok);
        window->close();
    }

    QTemporaryDir settings;
    QTemporaryDir work;
    ScriptedPrompter prompter;
    FakeShell shell;
    FakeBrowserView* browser = nullptr;
    std::unique_ptr<MainWindow> window;
    QStringList prompts; // "label|default" of each value prompt
    std::deque<QString> answers; // what the value prompt answers; the default when empty
};
