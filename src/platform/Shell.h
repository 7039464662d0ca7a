#pragma once

#include <QString>
#include <QStringList>

// The desktop's services: default applications, starting programs and the trash.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a local file with its default application.
    virtual bool openFile(const QString& path) = 0;
    // Opens a URL (a mailto: address, say) with its default handler.
    virtual bool openUrl(const QString& url) = 0;
    // Starts a program with arguments, detached from the editor.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    // Moves a file or directory to the trash; false when it could not.
    virtual bool moveToTrash(const QString& path) = 0;
};

class DesktopShell : public Shell {
public:
    bool openFile(const QString& path) override;
    bool openUrl(const QString& url) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    bool moveToTrash(const QString& path) override;
};
