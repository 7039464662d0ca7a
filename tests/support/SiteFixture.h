#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/ImageBytes.h"

// A copy of the fixture site in a temporary directory, with handmade images in images/.
struct SiteFixture {
    QTemporaryDir temp;
    QString root;
    QString previousCurrent = QDir::currentPath();

    SiteFixture()
    {
        using namespace imagebytes;
        root = QDir(temp.path()).filePath("site");
        const QString source = PELORIN_FIXTURES "/navigator/site";
        QDirIterator it(source, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        QDir().mkpath(root);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = root + from.mid(source.size());
            if (it.fileInfo().isDir())
                QDir().mkpath(to);
            else
                QFile::copy(from, to);
        }
        write("images/a.gif", gif(gifControlExtension() + gifDescriptor(300, 200)));
        write("images/b.jpg", jpeg(jfif() + jpegFrame(0xC2, 800, 600)));
        write("images/c.png", png(16, 8));
        write("images/broken.jpg", jpeg(jfif()).left(8));
        write("images/readme.txt", "not an image");
    }
    ~SiteFixture() { QDir::setCurrent(previousCurrent); }

    QString path(const QString& name) const { return QDir(root).filePath(name); }

    void write(const QString& name, const QByteArray& data) const
    {
        QDir().mkpath(QFileInfo(path(name)).path());
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};
