#pragma once

#include "editor/TagInsertion.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class BrowserView;
class CodeEditor;
class CommandRegistry;
class Prompter;
class QWidget;
class Shell;
struct SiteFileActions;
struct WizardState;

// What the features hear about the document's file. The main window forwards the document
// session's signals here, so features need not know the session.
class DocumentSignals : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
signals:
    // The document's full name changed: loaded, saved under a new name, or closed (empty).
    void fileNameChanged(const QString& name);
    // The program wrote the document to its file (Save or Save As).
    void written(const QString& name);
};

// What a feature folder (navigator, site tools, wizards, tools) is given to register its commands
// and open its windows. The main window fills it; tests fill it with fakes.
struct FeatureContext {
    QWidget* window = nullptr; // the main window: owner of the feature's windows
    CodeEditor* editor = nullptr; // the document's editor
    Prompter* prompter = nullptr;
    Shell* shell = nullptr;
    CommandRegistry* commands = nullptr;
    WizardState* wizard = nullptr;
    ValuePrompt valuePrompt; // the instant-code prompt
    std::function<BrowserView*(QWidget* parent)> makeBrowser;
    // The document's full file name; empty while it has never been saved.
    std::function<QString()> documentFileName;
    // The "never been saved" question of the link commands.
    std::function<void()> warnToSave;
    // The save-changes question; false when the user cancelled.
    std::function<bool()> saveIfModified;
    // Save (Save As for a never-saved document); false when the user cancelled the dialog.
    std::function<bool()> save;
    // The question before another program shows the saved file; false when cancelled.
    std::function<bool()> saveBeforeBrowsing;
    // The document's file events; nullptr in tests that do not need them.
    DocumentSignals* document = nullptr;
    // Loads a file as the document without the save-changes question (the caller asked it); an
    // empty name starts a new, never-saved document. Errors throw FileError.
    std::function<void(const QString& name)> loadFile;
    // Rename and move with links: provided by the site tools, offered by the file lists.
    std::shared_ptr<SiteFileActions> siteFiles;
};
