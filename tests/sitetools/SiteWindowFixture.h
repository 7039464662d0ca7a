#pragma once

#include "editor/CodeEditor.h"
#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "shared/WizardState.h"
#include "support/FakeBrowserView.h"
#include "support/FakeContext.h"
#include "support/FakeShell.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

// What the main window gives the site tools, made of fakes, and a copy of a fixture site.
class SiteWindowFixture : public ::testing::Test {
protected:
    using Icon = Prompter::Icon;
    static constexpr auto YNC = Prompter::Yes | Prompter::No | Prompter::Cancel;

    QWidget mainWindow;
    CodeEditor editor;
    ScriptedPrompter prompter;
    FakeShell shell;
    CommandRegistry registry;
    WizardState wizard;
    FeatureContext context;
    QTemporaryDir temp;
    QString top = QDir(temp.path()).canonicalPath() + '/';
    QString base = top + "site/";
    QString documentName;
    QString previousCurrent = QDir::currentPath();

    SiteWindowFixture()
    {
        context = fakeContext(&mainWindow, &editor, &prompter, &shell, &registry, &wizard);
        context.documentFileName = [this] { return documentName; };
        QDir::setCurrent(top);
    }
    ~SiteWindowFixture() override
    {
        for (QWidget* w : mainWindow.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isWindow()) delete w;
        QDir::setCurrent(previousCurrent);
    }

    void copySite(const QString& name)
    {
        const QString source = QStringLiteral(PELORIN_FIXTURES "/sitetools/") + name;
        QDirIterator it(source, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        QDir().mkpath(base);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = base + from.mid(source.size() + 1);
            if (it.fileInfo().isDir())
                QDir().mkpath(to);
            else
                QFile::copy(from, to);
        }
    }
    void write(const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(base + name).path());
        QFile file(base + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    template <typename T> T* child(QObject* parent, const char* name)
    {
        T* found = parent->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    template <typename Window> Window* openWindow(const char* command)
    {
        EXPECT_TRUE(registry.run(QString::fromLatin1(command)));
        auto* window = mainWindow.findChild<Window*>();
        EXPECT_NE(window, nullptr);
        return window;
    }
    // Lets deferred deletions happen.
    static void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
};
