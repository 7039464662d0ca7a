#pragma once

#include "sitetools/SiteWalk.h"

#include <QElapsedTimer>
#include <QListWidget>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

class BrowserView;
class CodeEditor;
class Prompter;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// The parts the site windows share: the directory chooser, the cancel window, the code pane with
// its font size box, the viewer tab, the hint box, and the check points of a long operation.

// "Select a Directory", starting at startDir; the chosen directory or nothing.
std::optional<QString> chooseSiteDirectory(Prompter& prompter, const QString& startDir);

// The points where a long operation lets the window paint and the Cancel button work. Events
// are processed at most every interval milliseconds, so a fast check is not slowed down.
class CheckPoints {
public:
    void start()
    {
        m_stop = false;
        m_timer.invalidate();
    }
    void stop() { m_stop = true; }
    bool stopped() const { return m_stop; }
    void setInterval(int milliseconds) { m_interval = milliseconds; }
    // Processes events when due (show() first updates the progress shown); false once stopped.
    template <typename Show> bool pass(Show show)
    {
        if (m_stop) return false;
        if (!m_timer.isValid() || m_timer.elapsed() >= m_interval) {
            show();
            processEvents();
            m_timer.restart();
        }
        return !m_stop;
    }

private:
    static void processEvents();
    QElapsedTimer m_timer;
    int m_interval = 30;
    bool m_stop = false;
};

// A small stay-on-top window with one Cancel button that stops the running operation.
class CancelWindow : public QWidget {
    Q_OBJECT
public:
    // cancelOnClose: whether closing the window acts as its Cancel button.
    CancelWindow(const QString& caption, bool cancelOnClose, QWidget* parent);
    QLabel* label() const { return m_label; }
    QPushButton* cancelButton() const { return m_cancelButton; }

signals:
    void cancelled();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_label;
    QPushButton* m_cancelButton;
    bool m_cancelOnClose;
};

// A list whose entries are picked with a left click or the arrow keys; a right click leaves the
// selection alone (it opens the list's menu).
class PickList : public QListWidget {
    Q_OBJECT
public:
    explicit PickList(const QString& name, QWidget* parent);

signals:
    void picked(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_pressedRow = -1;
};

// The code pane and, beside it, the box that sets its font size (8 to 14 points, changed only
// with its arrows).
class CodePane : public QWidget {
    Q_OBJECT
public:
    CodePane(const QString& family, int size, bool sizeBox, QWidget* parent);
    CodeEditor* editor() const { return m_editor; }
    QSpinBox* fontSizeBox() const { return m_fontSizeBox; }

private:
    CodeEditor* m_editor;
    QSpinBox* m_fontSizeBox = nullptr;
};

// The "Viewer" tab: the code pane's text written beside the current file as "1view.htm" and
// shown in the browser, under an address box.
class ViewerTab : public QWidget {
    Q_OBJECT
public:
    ViewerTab(const std::function<BrowserView*(QWidget*)>& makeBrowser, QWidget* parent);
    QLineEdit* addressEdit() const { return m_addressEdit; }
    BrowserView* browser() const { return m_browser; }
    // Writes the pane's text and shows it; file errors throw FileError.
    void showPage(const QString& currentFile, const CodeEditor& pane);
    // Deletes the temporary page, if one was written.
    void removePage();

private:
    BrowserView* m_browser;
    QLineEdit* m_addressEdit;
    QString m_written;
};

// The read-only hint box at the foot of a site window; the window takes over the hints while
// it is active.
QPlainTextEdit* makeHintBox(QWidget* window);

// A line of controls, a label and a widget, as the site windows lay them out.
QWidget* labelled(const QString& text, QWidget* widget, QWidget* parent);
