#pragma once

#include "sitetools/LinkCheck.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// "Check Site" as the broken-link finder runs it: the site's pages, the page the check stands at
// and the phase of the run. The check goes from page to page and stops where it finds broken
// links; the next "Continue" goes on from there, and after the last page it starts again.
class SiteCheckRun {
public:
    // Idle: no site yet, or the last run finished. Loaded: a site has just been chosen.
    // Running: a run has begun and stands at the current page.
    enum class Phase { Idle, Loaded, Running };

    Phase phase() const { return m_phase; }
    const QString& base() const { return m_base; }
    const QStringList& pages() const { return m_pages; }
    // The page the check stands at; -1 for none.
    int currentPage() const { return m_current; }
    // The full path of a page ("" past the end is the base itself).
    QString path(int row) const { return m_base + m_pages.value(row); }

    // A site is chosen: its base directory (with a trailing '/'); its pages come with setPages.
    void setBase(const QString& base);
    // The site's pages, relative to the base; no page is current.
    void setPages(const QStringList& pages);
    // A page joins the list in its sorted place, the current page moving with it; its row.
    int addPage(const QString& entry);
    // A row outside the list means no page, as a list widget takes it.
    void setCurrentPage(int row);

    // Whether the next step ends the run: the current page is the last (or there is none).
    bool atLastPage() const { return m_current >= m_pages.size() - 1; }
    // A step of the run begins (or continues it).
    void begin() { m_phase = Phase::Running; }
    // Moves on to the next page; its row.
    int advance();
    // After the last page: the run is over and stands at the first page again.
    void finish();

    // Reads the current page and checks its text; nothing when it is no longer a file. Read errors
    // throw FileError.
    using PageCheck = std::function<LinkCheck(const QString& text, const QString& path)>;
    std::optional<LinkCheck> checkCurrent(const PageCheck& check) const;

private:
    Phase m_phase = Phase::Idle;
    QString m_base;
    QStringList m_pages;
    int m_current = -1;
};
