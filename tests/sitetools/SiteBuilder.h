#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A small site made in a temporary directory: files written from a table, the base directory
// "site/" inside it, so that links can point above the base.
struct SiteBuilder {
    QTemporaryDir temp;
    QString top = QDir(temp.path()).canonicalPath() + '/';
    QString base = top + "site/";

    SiteBuilder() { QDir().mkpath(base); }
    using Files = QList<std::pair<QString, QByteArray>>;
    explicit SiteBuilder(const Files& files)
        : SiteBuilder()
    {
        for (const auto& [name, bytes] : files)
            write(name, bytes);
    }

    QString path(const QString& name) const { return base + name; }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(path(name)).path());
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // A file of the site by its name there, or any file by its full path.
    QByteArray read(const QString& name) const
    {
        QFile file(QFileInfo(name).isAbsolute() ? name : path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool exists(const QString& name) const { return QFileInfo::exists(path(name)); }
};
