#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;

// "Editor Font": choose the editor's face and size; "Close" writes "fontDetails.plr".
class EditorFontDialog : public QDialog {
    Q_OBJECT
public:
    EditorFontDialog(const QString& fontName, const QString& fontSize, QWidget* parent);

    // The face list: "Choose a Font", then the installed faces and "Default", sorted by name
    // without regard to case.
    static QStringList faceEntries();

    QComboBox* faceList() const { return m_faces; }
    QComboBox* sizeList() const { return m_sizes; }
    // Line 1 the face, line 2 the size, as "Close" writes them.
    QStringList store() const { return m_store; }

signals:
    void faceChosen(const QString& face);
    void sizeChosen(const QString& size);
    // "Close" was pressed; the owner writes the store and releases the dialog.
    void closeRequested(const QStringList& store);

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    void requestClose();

private:
    QComboBox* m_faces;
    QComboBox* m_sizes;
    QStringList m_store;
    bool m_closing = false;
};
