#include "shared/PageTitle.h"

#include <optional>

namespace {

// The text between open and the first close after it; nullopt when either is missing.
std::optional<QString> between(const QString& text, const QString& open, const QString& close, Qt::CaseSensitivity cs)
{
    const qsizetype start = text.indexOf(open, 0, cs);
    if (start < 0) return std::nullopt;
    const qsizetype from = start + open.size();
    const qsizetype end = text.indexOf(close, from, cs);
    if (end < 0) return std::nullopt;
    return trimControl(text.mid(from, end - from));
}

} // namespace

QString trimControl(const QString& text)
{
    qsizetype start = 0, end = text.size();
    while (start < end && text[start].unicode() <= 0x20)
        ++start;
    while (end > start && text[end - 1].unicode() <= 0x20)
        --end;
    return text.mid(start, end - start);
}

QString findTitle(const QString& text)
{
    const auto title = between(text, QStringLiteral("<title>"), QStringLiteral("</title>"), Qt::CaseInsensitive);
    if (!title) return QStringLiteral("No title tags found");
    return title->isEmpty() ? QStringLiteral("No title found") : *title;
}

QString findAllTitles(const QString& text, const QString& fileName)
{
    const bool lower = text.contains(QStringLiteral("<title>"));
    if (!lower && !text.contains(QStringLiteral("<TITLE>"))) return fileName;
    const auto title = lower ? between(text, QStringLiteral("<title>"), QStringLiteral("</title>"), Qt::CaseSensitive)
                             : between(text, QStringLiteral("<TITLE>"), QStringLiteral("</TITLE>"), Qt::CaseSensitive);
    if (!title) return QStringLiteral("####No title found####");
    return title->isEmpty() ? QStringLiteral("####Title was empty####") : *title;
}
