#include "sitetools/SiteCheckRun.h"

#include <QFileInfo>

void SiteCheckRun::setBase(const QString& base)
{
    m_base = base;
    m_phase = Phase::Loaded;
}

void SiteCheckRun::setPages(const QStringList& pages)
{
    m_pages = pages;
    m_current = -1;
}

int SiteCheckRun::addPage(const QString& entry)
{
    const int row = int(sortedPosition(m_pages, entry));
    m_pages.insert(row, entry);
    if (m_current >= row) ++m_current;
    return row;
}

void SiteCheckRun::setCurrentPage(int row) { m_current = row >= 0 && row < m_pages.size() ? row : -1; }

int SiteCheckRun::advance()
{
    setCurrentPage(m_current + 1);
    return m_current;
}

void SiteCheckRun::finish()
{
    m_phase = Phase::Idle;
    setCurrentPage(0);
}

std::optional<LinkCheck> SiteCheckRun::checkCurrent(const PageCheck& check) const
{
    const QString page = path(m_current);
    if (m_current < 0 || !QFileInfo(page).isFile()) return std::nullopt;
    return check(readPageText(page), page);
}
