#pragma once

#include "sitetools/SearchEngine.h"

#include <QList>
#include <QString>

// The search engine generator's project: a row a chosen page (a page may be chosen twice), with
// the title and keywords the search looks in, and whether it changed since it was opened or
// saved. Its file is the project file SearchEngine reads and writes.
class SearchProject {
public:
    struct Row {
        QString file; // the full path in native form, as the project file holds it
        QString title;
        QString keywords;
        bool operator==(const Row&) const = default;
    };

    const QList<Row>& rows() const { return m_rows; }
    qsizetype size() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    const Row& row(int index) const { return m_rows[index]; }
    bool isChanged() const { return m_changed; }

    // Adds the page (a full path) with the title and keywords read from it; a page that cannot be
    // read throws FileError and adds nothing.
    void add(const QString& path);
    void remove(int row);
    // The user's own title or keywords for a row: upper-cased, a line break typed kept as CR LF
    // (the search page gets it as a space).
    void setTitle(int row, const QString& typed);
    void setKeywords(int row, const QString& typed);
    // Reads the title and keywords of every page again; a page that cannot be read throws
    // FileError and leaves the project as it was.
    void refresh();
    // Leaves no row; changes not saved yet still count as changes.
    void clear() { m_rows.clear(); }

    // The three lists the search page and the project file are made from.
    SearchEngine::Project lists() const;
    // File errors (and a file that is no project) throw FileError.
    static SearchProject read(const QString& path);
    void write(const QString& path);

private:
    QList<Row> m_rows;
    bool m_changed = false;
};
