#pragma once

#include "tools/ReferenceData.h"

#include <QWidget>

class Prompter;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

// "JavaScript Data": a searchable list of JavaScript topics with an article for each, read from
// the data files each time the window opens. Deletes itself when closed.
class ReferenceWindow : public QWidget {
    Q_OBJECT
public:
    // Reads the data files in `dataDir`, reporting each missing one.
    ReferenceWindow(const QString& dataDir, Prompter& prompter, QWidget* parent = nullptr);

    static QString missingFileMessage(const QString& path);

    QLineEdit* searchEdit() const { return m_searchEdit; }
    QListWidget* topicList() const { return m_topicList; }
    QLineEdit* articleNumberEdit() const { return m_articleNumberEdit; }
    QPlainTextEdit* articleText() const { return m_articleText; }
    QPlainTextEdit* hintBox() const { return m_hintBox; }

    void chooseTopic(int row);
    // The next topic after the chosen one that holds the search word.
    void findInList();
    void copyText();
    // F4 in the editor: the word at the caret, cut before "(" or "[", searched in the list.
    void lookUp(const QString& wordAtCaret);

protected:
    void changeEvent(QEvent* event) override;

private:
    void searchWordChanged();

    ReferenceData m_data;
    QLineEdit* m_searchEdit;
    QListWidget* m_topicList;
    QLineEdit* m_articleNumberEdit;
    QPlainTextEdit* m_articleText;
    QPlainTextEdit* m_hintBox;
    bool m_quiet = false; // choosing a topic without showing its article
};
