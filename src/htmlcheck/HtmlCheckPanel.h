#pragma once

#include "htmlcheck/HtmlCheck.h"

#include <QFutureWatcher>
#include <QWidget>
#include <functional>

class CodeEditor;
class Prompter;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The panel under the editor listing Tidy's errors and warnings about the document. The check
// runs on a worker thread over a copy of the text, so the window keeps painting; a click on a
// problem puts the caret there.
class HtmlCheckPanel : public QWidget {
    Q_OBJECT
public:
    static inline const QString kNotHtml
        = QStringLiteral("%1 is not an HTML document: Check HTML checks web pages only.");
    static inline const QString kChecking = QStringLiteral("Checking ...");
    static inline const QString kClean = QStringLiteral("No errors or warnings.");
    static inline const QString kCounts = QStringLiteral("%1 errors, %2 warnings");

    HtmlCheckPanel(
        CodeEditor& editor, Prompter& prompter, std::function<QString()> documentFileName, QWidget* parent = nullptr);

    // Checks the document's text now; false when it is not HTML (the user was told) or a check
    // is still running.
    bool check();
    bool isChecking() const { return m_watcher.isRunning(); }
    QTreeWidget* list() const { return m_list; }
    QLabel* summary() const { return m_summary; }

signals:
    // A check started or ended (the command is disabled meanwhile).
    void checkingChanged(bool checking);
    // The list shows a finished check.
    void checked();

private:
    void showResult(const HtmlCheck::Result& result);
    void goTo(QTreeWidgetItem* item);

    CodeEditor& m_editor;
    Prompter& m_prompter;
    std::function<QString()> m_documentFileName;
    QLabel* m_summary;
    QTreeWidget* m_list;
    QFutureWatcher<HtmlCheck::Result> m_watcher;
};
