#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
QString run(const QStringList& arguments, int* exitCode = nullptr, int waitMs = 20000,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(PELORIN_EXECUTABLE, arguments);
    EXPECT_TRUE(process.waitForFinished(waitMs)) << arguments.join(' ').toStdString();
    if (exitCode) *exitCode = process.exitCode();
    return QString::fromLocal8Bit(process.readAll());
}

// --help and --version answer and end; they are never opened as file names.
TEST(CommandLineTest, HelpAndVersionAreOptions)
{
    int code = -1;
    EXPECT_TRUE(run({ "--version" }, &code).contains("Pelorin95 1."));
    EXPECT_EQ(code, 0);
    const QString help = run({ "--help" }, &code);
    EXPECT_TRUE(help.contains("--settings-dir <dir>"));
    EXPECT_TRUE(help.contains("[file]"));
    EXPECT_EQ(code, 0);
    EXPECT_NE(run({ "--no-such-option" }, &code).indexOf("Unknown option"), -1);
    EXPECT_NE(code, 0);
}

// Where there is no display (a server, a build chroot), --version and --help still answer.
TEST(CommandLineTest, HelpAndVersionNeedNoDisplay)
{
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    bare.remove("DISPLAY");
    bare.remove("WAYLAND_DISPLAY");
    bare.insert("QT_QPA_PLATFORM", "xcb");
    int code = -1;
    EXPECT_TRUE(run({ "--version" }, &code, 20000, bare).contains("Pelorin95 1."));
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(run({ "--help" }, &code, 20000, bare).contains("--settings-dir <dir>"));
    EXPECT_EQ(code, 0);
}
} // namespace
