#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QPlainTextEdit;
class QWidget;

// Follows the widget under the mouse and shows its status tip in the hint box of the window
// that is active (a tool window with a hint box of its own), else in the main window's.
class HintRouter : public QObject {
    Q_OBJECT
public:
    explicit HintRouter(QObject* parent = nullptr);
    ~HintRouter() override;
    static HintRouter* instance();

    // The main window's hint box receives hints when no registered window is active.
    void setMainHintBox(QPlainTextEdit* box);
    void registerWindow(QWidget* window, QPlainTextEdit* box);

    // Shows a hint as if the mouse had moved over a widget with it.
    void showHint(const QString& hint);
    QString currentHint() const { return m_hint; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* currentBox() const;

    QPointer<QPlainTextEdit> m_mainBox;
    QHash<QWidget*, QPointer<QPlainTextEdit>> m_windows;
    QString m_hint;
};
