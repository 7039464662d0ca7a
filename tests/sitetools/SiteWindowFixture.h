#pragma once

#include "editor/CodeEditor.h"
#include "platform/AppDirs.h"
#include "shared/CommandRegistry.h"
#include "shared/FeatureContext.h"
#include "shared/WizardState.h"
#include "sitetools/EveryLink.h"
#include "sitetools/LinkRotWindow.h"
#include "sitetools/SiteToolCommands.h"
#include "support/FakeBrowserView.h"
#include "support/FakeContext.h"
#include "support/FakeShell.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include "SiteBuilder.h"
#include "support/QStringPrinter.h"

// What the main window gives the site tools, made of fakes, and a site in a temporary directory
// (a copy of a fixture site, or files written by the test); the current directory is above it.
class SiteWindowFixture : public ::testing::Test, public SiteBuilder {
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

// The broken-link finder opened through its command, its lists and boxes at hand.
class LinkRotFixture : public SiteWindowFixture {
protected:
    LinkRotWindow* window = nullptr;
    QListWidget* pages = nullptr;
    QListWidget* broken = nullptr;
    QLabel* status = nullptr;
    QPushButton* checkButton = nullptr;
    QCheckBox* anchorsBox = nullptr;
    QCheckBox* webBox = nullptr;

    void SetUp() override
    {
        registerSiteToolCommands(context);
        window = openWindow<LinkRotWindow>("a_findBrokenLinks");
        ASSERT_NE(window, nullptr);
        window->checkPoints().setInterval(0);
        pages = child<QListWidget>(window, "sitePagesList");
        broken = child<QListWidget>(window, "brokenLinksList");
        status = child<QLabel>(window, "statusLabel");
        checkButton = child<QPushButton>(window, "checkSiteButton");
        anchorsBox = child<QCheckBox>(window, "checkAnchorsBox");
        webBox = child<QCheckBox>(window, "checkWebLinksBox");
    }
    void TearDown() override
    {
        prompter.verify();
        // The choice is remembered for the whole test run: the other tests start classic.
        QFile::remove(AppDirs::settingsFile(kLinkRuleFile));
    }

    void chooseSite()
    {
        prompter.expectDirectory("Select a Directory", top + "site");
        window->getDirectory();
        EXPECT_EQ(prompter.lastOwner(), window); // shown above the finder, not the main window
    }
};
