#pragma once

#include "platform/Prompter.h"

#include "sitetools/Orphans.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QListWidget;
class RubbishWindow;

// "Remove orphans. ": moves orphans out of the site into the Rubbish directory beside it,
// keeping their places in the tree. Nothing is deleted.
class RubbishOperationsWindow : public QDialog {
    Q_OBJECT
public:
    RubbishOperationsWindow(RubbishWindow& finder, Prompter& prompter);

    void start();
    void moveAll();
    void moveSelected();
    // Moves the files of the last remembered session back where their places are free.
    void restoreMoved();

    // Where the moves of the last session are remembered, when the user asks for it.
    static QString moveLogFile();

    QListWidget* orphansList() const { return m_list; }
    QLineEdit* selectedNameEdit() const { return m_selectedName; }
    QCheckBox* rememberMovesBox() const { return m_rememberMoves; }
    QPushButton* restoreButton() const { return m_restoreButton; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Moves the files of these rows; false when a move failed (the message was shown).
    bool move(const QList<int>& rows);

    RubbishWindow& m_finder;
    WindowPrompter m_prompter; // every question of this window is shown above it
    QListWidget* m_list;
    QLineEdit* m_selectedName;
    QCheckBox* m_rememberMoves;
    QPushButton* m_restoreButton;
    QList<RubbishMove> m_moves; // this session's, when remembered
};
