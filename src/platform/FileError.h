#pragma once

#include <QString>
#include <stdexcept>

// A failed file operation. The message is the one the user sees; it is shown once, at the
// command boundary, and the command stops there.
class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    { }
    QString message() const { return m_message; }

    // "Cannot open file \"name\". Reason" in the style of the file layer's own messages.
    static FileError cannotOpen(const QString& path, const QString& reason);
    static FileError cannotCreate(const QString& path, const QString& reason);

private:
    QString m_message;
};
