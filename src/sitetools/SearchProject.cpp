#include "sitetools/SearchProject.h"

#include <QDir>

namespace {

QString typedEntry(const QString& typed)
{
    return SearchEngine::upperAscii(QString(typed).replace(u'\n', QLatin1String("\r\n")));
}

} // namespace

void SearchProject::add(const QString& path)
{
    const SearchEngine::PageEntry entry = SearchEngine::readPage(path);
    m_rows.append({ QDir::toNativeSeparators(path), entry.title, entry.keywords });
    m_changed = true;
}

void SearchProject::remove(int row)
{
    m_rows.removeAt(row);
    m_changed = true;
}

void SearchProject::setTitle(int row, const QString& typed)
{
    m_rows[row].title = typedEntry(typed);
    m_changed = true;
}

void SearchProject::setKeywords(int row, const QString& typed)
{
    m_rows[row].keywords = typedEntry(typed);
    m_changed = true;
}

void SearchProject::refresh()
{
    QList<Row> rows = m_rows;
    for (Row& row : rows) {
        const SearchEngine::PageEntry entry = SearchEngine::readPage(QDir::fromNativeSeparators(row.file));
        row.title = entry.title;
        row.keywords = entry.keywords;
    }
    m_rows = rows;
    m_changed = m_changed || !m_rows.isEmpty();
}

SearchEngine::Project SearchProject::lists() const
{
    SearchEngine::Project lists;
    for (const Row& row : m_rows) {
        lists.files << row.file;
        lists.titles << row.title;
        lists.keywords << row.keywords;
    }
    return lists;
}

SearchProject SearchProject::read(const QString& path)
{
    const SearchEngine::Project lists = SearchEngine::readProject(path);
    SearchProject project;
    for (qsizetype i = 0; i < lists.files.size(); ++i)
        project.m_rows.append({ lists.files[i], lists.titles[i], lists.keywords[i] });
    return project;
}

void SearchProject::write(const QString& path)
{
    SearchEngine::writeProject(path, lists());
    m_changed = false;
}
