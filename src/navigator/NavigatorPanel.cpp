#include "navigator/NavigatorPanel.h"

#include "platform/CommandBoundary.h"
#include "platform/FileError.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "platform/WidgetHelpers.h"
#include "shared/PageTitle.h"
#include "shared/RelativePath.h"

#include <QApplication>
#include <QByteArrayView>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace {

void tell(Prompter& prompter, const QString& text) { prompter.message(text, Prompter::Icon::None, Prompter::Ok); }

// The file's text with LF breaks.
QString textOf(const QString& path)
{
    TextFormat format;
    return decodeToText(readBytes(path), &format);
}

// The same text with CR LF breaks.
QString withCrLf(QString text) { return text.replace(QLatin1Char('\n'), QLatin1String("\r\n")); }

// Where the ASCII tag (lower case) first stands in bytes at or after from, in any letter case; -1
// when it does not.
qsizetype indexOfTag(QByteArrayView bytes, QByteArrayView tag, qsizetype from)
{
    for (qsizetype at = bytes.indexOf('<', from); at >= 0 && at + tag.size() <= bytes.size();
         at = bytes.indexOf('<', at + 1))
        if (bytes.sliced(at, tag.size()).compare(tag, Qt::CaseInsensitive) == 0) return at;
    return -1;
}

// The page's title, as findTitle finds it in the file's text. The title tags are ASCII, so in
// every encoding but UTF-16 they stand at the same places in the bytes as in the text, and an
// ASCII title reads the same in all of them: a large page is then not decoded a second time
// beside the editor's copy. Other titles are read from the decoded text.
QString titleOfFile(const QString& path)
{
    const QByteArray bytes = readBytes(path);
    if (!bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF")) {
        QByteArrayView text(bytes);
        if (const qsizetype nul = text.indexOf('\0'); nul >= 0) text.truncate(nul); // the text ends there
        const qsizetype open = indexOfTag(text, "<title>", 0);
        const qsizetype close = open < 0 ? -1 : indexOfTag(text, "</title>", open + 7);
        if (close < 0) return findTitle(QString());
        const QByteArrayView title = text.sliced(open + 7, close - open - 7);
        if (std::all_of(title.begin(), title.end(), [](char c) { return uchar(c) < 0x80; })) {
            TextFormat format;
            return withCrLf(findTitle("<title>" + decodeToText(title.toByteArray(), &format) + "</title>"));
        }
    }
    TextFormat format;
    return withCrLf(findTitle(decodeToText(bytes, &format)));
}

} // namespace

const QList<FileFilter>& NavigatorPanel::filters()
{
    static const QList<FileFilter> kFilters {
        { "HTML Documents", "*.htm*;*.shtml;*.asp;*.js;*.css" },
        { "Image Files", "*.gif;*.jpg;*.jpeg;*.png" },
        { "JavaScript Files", "*.js" },
        { "CSS Files", "*.css" },
        { "All Files", "*.*" },
    };
    return kFilters;
}

NavigatorPanel::NavigatorPanel(Prompter& prompter, Shell& shell, QWidget* parent)
    : QWidget(parent)
    , m_prompter(prompter)
    , m_shell(shell)
    , m_browser(new FileBrowser(filters(), this))
    , m_relativePathEdit(new QLineEdit(this))
    , m_titleEdit(new QLineEdit(this))
{
    setObjectName("navigatorPanel");
    m_relativePathEdit->setObjectName("relativePathEdit");
    m_titleEdit->setObjectName("titleEdit");
    directoryList()->setFollowsCurrentDirectory(true);
    QDir::setCurrent(directory());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser, 1);
    layout->addWidget(new QLabel(QStringLiteral("Relative Path"), this));
    layout->addWidget(m_relativePathEdit);
    layout->addWidget(m_titleEdit);

    FileList* files = fileList();
    connect(files, &QListWidget::currentRowChanged, this, &NavigatorPanel::runSelectionSteps);
    connect(files, &QListWidget::itemClicked, this, &NavigatorPanel::runSelectionSteps);
    // A right click selects too, and so runs the same steps before its menu shows.
    connect(files, &QListWidget::itemPressed, this, [this] {
        if (QApplication::mouseButtons() & Qt::RightButton) runSelectionSteps();
    });
    connect(files, &QListWidget::itemDoubleClicked, this, [this] {
        if (!selectedFile().isEmpty()) emit fileActivated(selectedFile());
    });
    connect(directoryList(), &QListWidget::itemClicked, this, [this] {
        m_relativePathEdit->clear();
        m_titleEdit->clear();
    });
    files->installEventFilter(this);
    directoryList()->installEventFilter(this);
}

void NavigatorPanel::setDirectory(const QString& dir) { m_browser->setDirectory(dir); }

bool NavigatorPanel::selectFile(const QString& path)
{
    const QFileInfo info(path);
    setDirectory(info.absolutePath());
    const int before = fileList()->currentRow();
    if (!fileList()->selectName(info.fileName())) return false;
    // Selecting the file already selected still runs the steps, as after opening it.
    if (fileList()->currentRow() == before) runSelectionSteps();
    return true;
}

QString NavigatorPanel::bufferText() const { return m_bufferFile.isEmpty() ? QString() : withCrLf(textOf(m_bufferFile)); }

QString NavigatorPanel::relativeBase() const { return ::relativeBase(m_documentFileName, QDir::currentPath()); }

void NavigatorPanel::runSelectionSteps()
{
    if (!m_htmlTabActive) return;
    const QString file = selectedFile();
    if (file.isEmpty() || !QFileInfo(file).isFile()) return;
    m_relativePathEdit->setText(relativePathForwardSlash(file, relativeBase(), QDir::currentPath()));
    runCommand(m_prompter, [&] {
        m_titleEdit->setText(titleOfFile(file));
        m_bufferFile = file;
    });
    emit selectionChanged();
}

QString NavigatorPanel::findAllTitles(int index)
{
    const QString path = filePath(index);
    m_bufferFile.clear();
    return withCrLf(::findAllTitles(textOf(path), QFileInfo(path).fileName()));
}

bool NavigatorPanel::recycleFileOrDirectory(const QString& path)
{
    const WaitCursor busy;
    const QFileInfo info(path);
    const QString question = info.isDir()
        ? "Send directory: " + QDir::toNativeSeparators(directory()) + " to recycle bin?"
        : "Send file: " + QDir::toNativeSeparators(selectedFile()) + " to recycle bin?";
    if (isVolumeRoot(path)) {
        tell(m_prompter, QStringLiteral("You cannot delete a root directory or drive."));
        return false;
    }
    if (m_prompter.message(question, Prompter::Icon::Confirmation, Prompter::Yes | Prompter::No) != Prompter::Yes) {
        tell(m_prompter, QStringLiteral("You cancelled the delete."));
        return false;
    }
    if (!m_shell.moveToTrash(path)) {
        // There is no shell of the desktop's own to report this, so say it here.
        m_prompter.message(
            "Could not move " + QDir::toNativeSeparators(path) + " to the trash.", Prompter::Icon::Error, Prompter::Ok);
        return false;
    }
    if (!QFileInfo(path).isFile()) setDirectory(QFileInfo(QDir::cleanPath(path)).path());
    return true;
}

void NavigatorPanel::deleteSelectedFile()
{
    const QString file = selectedFile();
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        m_prompter.message(
            QStringLiteral("Please select a file to delete."), Prompter::Icon::Information, Prompter::Ok);
        return;
    }
    if (recycleFileOrDirectory(file)) refreshFiles();
}

void NavigatorPanel::deleteSelectedDirectory()
{
    if (QFileInfo(directory()).isDir()) recycleFileOrDirectory(directory());
}

void NavigatorPanel::createNewDirectory()
{
    runCommand(m_prompter, [this] {
        const auto name = m_prompter.inputText(QStringLiteral("Type in a new sub-directory."),
            "Create a new subdirectory to " + withTrailingSeparator(QDir::toNativeSeparators(directory())) + " ?",
            QString());
        if (!name) {
            tell(m_prompter, QStringLiteral("You cancelled the operation."));
            return;
        }
        if (name->isEmpty()) {
            tell(m_prompter, QStringLiteral("A subdirectory wasn't entered."));
            return;
        }
        const QString path = QDir::current().filePath(*name);
        if (!QFileInfo(path).isDir() && !QDir().mkdir(path))
            throw FileError("Cannot create " + QDir::toNativeSeparators(path));
        directoryList()->refresh();
    });
}

bool NavigatorPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == fileList() && key == Qt::Key_Delete) {
            deleteSelectedFile();
            return true;
        }
        if (watched == directoryList() && key == Qt::Key_Delete) {
            deleteSelectedDirectory();
            return true;
        }
        if (watched == directoryList() && key == Qt::Key_Insert) {
            createNewDirectory();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
