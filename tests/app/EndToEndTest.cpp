#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The real program started as a user would (offscreen, a fresh settings directory), driven by a
// script through its registered commands: one run per subsystem proves the wiring reaches it.
namespace {
struct Scenario {
    const char* name;
    QStringList steps;
    QStringList expectedOutput; // lines the program must print, in this order
};

class EndToEndTest : public ::testing::TestWithParam<Scenario> {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    // Runs the program on page.htm (or the files given) with the script; returns what it printed.
    QStringList run(const QStringList& steps, const QStringList& files = {})
    {
        writeFile(path("script.txt"), steps.join('\n').toUtf8());
        QDir().mkpath(path("runtime"));
        QFile::setPermissions(path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PELORIN95_SCRIPT", path("script.txt"));
        env.insert("XDG_RUNTIME_DIR", path("runtime"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(dir.path());
        program.start(PELORIN_EXECUTABLE,
            QStringList { "--settings-dir", path("settings") } + (files.isEmpty() ? QStringList { path("page.htm") } : files));
        EXPECT_TRUE(program.waitForFinished(60000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        QStringList lines;
        for (const QString& line : QString::fromUtf8(program.readAllStandardOutput()).split('\n'))
            if (!line.isEmpty()) lines << line;
        return lines;
    }
};

TEST_P(EndToEndTest, TheWiringReachesTheSubsystem)
{
    const Scenario& s = GetParam();
    writeFile(path("page.htm"), "<p>hi</p>\r\n");
    QDir().mkpath(path("settings"));
    const QStringList output = run(s.steps);
    qsizetype at = 0;
    for (const QString& expected : s.expectedOutput) {
        const qsizetype found = output.indexOf(expected, at);
        EXPECT_GE(found, 0) << "missing: " << expected.toStdString() << "\nprinted:\n"
                            << output.join('\n').toStdString();
        if (found >= 0) at = found + 1;
    }
    EXPECT_EQ(output.value(output.size() - 1), "message: Exit the editor?") << output.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Subsystems, EndToEndTest,
    ::testing::Values(
        Scenario { "MainWindowAndEditor", { "run a_selectAll", "run snippet_bold", "run a_save", "quit" }, {} },
        Scenario { "Navigator",
            { "run a_fileOperations", "expect-window FileHandlingWindow", "close-window FileHandlingWindow", "quit" },
            { "open: FileHandlingWindow" } },
        Scenario { "SiteTools",
            { "run a_findBrokenLinks", "expect-window LinkRotWindow", "close-window LinkRotWindow",
                "run a_findOrphans", "expect-window RubbishWindow", "close-window RubbishWindow", "run a_findAltText",
                "expect-window AltTextWindow", "close-window AltTextWindow", "run a_createSearch",
                "expect-window SearchWindow", "close-window SearchWindow", "quit" },
            { "open: LinkRotWindow", "open: RubbishWindow", "open: AltTextWindow", "open: SearchWindow" } },
        Scenario { "Wizards",
            { "run a_tableWizard", "expect-window TableDialog", "close-window TableDialog", "run a_windowWizard",
                "expect-window WindowDialog", "close-window WindowDialog", "run a_styleSheets",
                "expect-window StyleSheetWindow", "close-window StyleSheetWindow", "quit" },
            { "open: TableDialog", "open: WindowDialog", "open: StyleSheetWindow" } },
        Scenario { "Tools",
            { "run a_jotter", "expect-window JotterWindow", "close-window JotterWindow", "run a_jsReference",
                "expect-window ReferenceWindow", "close-window ReferenceWindow", "run a_functionNavigator",
                "expect-window FunctionNavigatorWindow", "close-window FunctionNavigatorWindow", "quit" },
            { "open: JotterWindow", "open: ReferenceWindow", "open: FunctionNavigatorWindow" } }),
    [](const auto& info) { return std::string(info.param.name); });

// The document written and the settings read back after a run of the real program.
TEST_F(EndToEndTest, OpenInsertSaveQuitLeavesTheFileAndTheSettings)
{
    writeFile(path("page.htm"), "<p>hi</p>\r\n");
    QDir().mkpath(path("settings"));
    run({ "run snippet_bold", "type x", "run a_save", "quit" });
    EXPECT_EQ(readFile(path("page.htm")), "<B>x</B><p>hi</p>\r\n");
    EXPECT_EQ(readFile(path("settings/lastfile.plr")), path("page.htm").toUtf8() + "\r\n");
    EXPECT_EQ(readFile(path("settings/mylistfile.dvn")), path("page.htm").toUtf8() + "\r\n");
}

// A relative name on the command line is the one in the directory the program was started in,
// whatever file the previous run had open.
TEST_F(EndToEndTest, ARelativeArgumentIsOpenedFromTheStartingDirectory)
{
    QDir().mkpath(path("rel"));
    QDir().mkpath(path("other-dir/rel"));
    QDir().mkpath(path("settings"));
    writeFile(path("rel/page.htm"), "<p>here</p>");
    writeFile(path("other-dir/rel/page.htm"), "<p>there</p>");
    writeFile(path("other-dir/last.htm"), "<p>last</p>");
    writeFile(path("settings/lastfile.plr"), path("other-dir/last.htm").toUtf8() + "\r\n");
    run({ "type x", "run a_save", "quit" }, { "rel/page.htm" });
    EXPECT_EQ(readFile(path("rel/page.htm")), "x<p>here</p>");
    EXPECT_EQ(readFile(path("other-dir/rel/page.htm")), "<p>there</p>");
}
} // namespace
