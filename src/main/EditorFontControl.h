#pragma once

#include "shared/SettingsFiles.h"

#include <QObject>
#include <QPointer>

class EditorFontDialog;
class MainWindow;

// The editor's font: read from its settings file at start, given to the editor and its
// colouring, and chosen in the "Editor Font" window, which writes the file when it closes.
class EditorFontControl : public QObject {
    Q_OBJECT
public:
    static inline const QString kFileName = QStringLiteral("fontDetails.plr");

    explicit EditorFontControl(MainWindow& window);

    QString name() const { return m_font.name; }
    QString size() const { return m_font.size; }
    // The open "Editor Font" window; nullptr when it is closed.
    EditorFontDialog* dialog() const;

    // Reads the settings file and applies it. Errors throw FileError.
    void read();
    // Gives the editor and its colouring the font.
    void apply();
    // Opens the "Editor Font" window, once.
    void showDialog();

private:
    MainWindow& m_window;
    SettingsFiles::EditorFont m_font;
    QPointer<EditorFontDialog> m_dialog;
};
