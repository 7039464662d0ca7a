#include "navigator/Preview.h"

#include "editor/TextFile.h"
#include "shared/TempPages.h"

#include "editor/CodeEditor.h"
#include "navigator/ExternalApps.h"
#include "navigator/NavigatorPanel.h"
#include "platform/BrowserView.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

Preview::Preview(
    CodeEditor& editor, NavigatorPanel& navigator, BrowserView& browser, ShowName showName, QObject* parent)
    : QObject(parent)
    , m_editor(editor)
    , m_navigator(navigator)
    , m_browser(browser)
    , m_showName(std::move(showName))
{
    connect(&m_browser, &BrowserView::navigationComplete, this, &Preview::onNavigationComplete);
}

QString Preview::tempFile() const
{
    const QString document = m_navigator.documentFileName();
    const QString dir = document.isEmpty() ? m_navigator.directory() : QFileInfo(document).absolutePath();
    return TempPages::pathFor(QDir(dir).absolutePath(), kTempName);
}

void Preview::enter()
{
    const bool named = !m_navigator.documentFileName().isEmpty();
    m_showName(named ? QStringLiteral("Temporary View of ") + m_navigator.relativePath()
                     : QStringLiteral("Tempory file: Never Saved"));
    const QString path = tempFile();
    QStringList lines = m_editor.lines();
    lines.prepend(TempPages::markerLine(path));
    TextFormat format = m_editor.textFormat();
    format.nulAt = -1;
    writeTextFile(path, lines, format);
    m_written = path;
    m_shownTemp = QFileInfo(path).fileName();
    m_browser.navigate(path);
}

void Preview::leave()
{
    m_editor.setFocus();
    const QString path = m_written.isEmpty() ? tempFile() : m_written;
    m_written.clear();
    if (TempPages::removeIfOwn(path)) {
        m_navigator.refreshFiles();
    }
}

void Preview::showFile(const QString& path)
{
    m_showName(QStringLiteral("Temporary View of ") + m_navigator.relativePath());
    m_browser.navigate(QFileInfo(path).absoluteFilePath());
}

void Preview::showImage(const QString& path)
{
    // QFileInfo gives the path with forward slashes on every system.
    const QString full = QFileInfo(path).absoluteFilePath();
    m_showName(full);
    m_browser.navigate(full);
    showFile(path);
}

void Preview::onNavigationComplete(const QString& url)
{
    // A navigation that ends after the editor's tab is back (a stopped load) must not
    // overwrite the document's name.
    if (m_navigator.isHtmlTabActive()) return;
    const QString text = ExternalApps::locationText(url);
    if (!m_shownTemp.isEmpty() && text.contains(m_shownTemp))
        m_showName(QStringLiteral("Temp View: ") + QFileInfo(m_navigator.documentFileName()).fileName());
    else
        m_showName(text);
}
