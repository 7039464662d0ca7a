#pragma once

#include <QDialog>

class Prompter;
class QLineEdit;
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

    QListWidget* orphansList() const { return m_list; }
    QLineEdit* selectedNameEdit() const { return m_selectedName; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Moves the files of these rows; false when a move failed (the message was shown).
    bool move(const QList<int>& rows);

    RubbishWindow& m_finder;
    Prompter& m_prompter;
    QListWidget* m_list;
    QLineEdit* m_selectedName;
};
