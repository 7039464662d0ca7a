#pragma once

#include "editor/CodeEditor.h"

#include <QFile>
#include <QPlainTextEdit>

// Loads a file into the side under test: the bare widget takes it as UTF-8 text, the editor
// control as the program opens files.
inline void loadSide(QPlainTextEdit* edit, bool bare, const QString& path)
{
    if (bare) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        edit->setPlainText(QString::fromUtf8(file.readAll()));
    } else {
        static_cast<CodeEditor*>(edit)->loadFromFile(path);
    }
}
