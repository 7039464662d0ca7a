#pragma once

#include <QPointF>
#include <QTimer>
#include <QWidget>
#include <functional>

class CodeEditor;
class QLabel;
class QWebEngineView;

// A browser beside the editor showing the editor's text as it is typed: refreshed a moment
// after the last change, from memory (no file is written, the document is not touched), with the
// document's directory as base so its images, style sheets and scripts load, keeping the scroll
// position. A document too large to show from memory is shown as saved, refreshed on each save.
class LivePreviewPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDebounceMs = 300;
    static inline const QString kLargeNote
        = QStringLiteral("This document is too large to preview as you type: the preview shows it as last saved.");

    LivePreviewPane(CodeEditor& editor, std::function<QString()> documentFileName, QWidget* parent = nullptr);

    // The browser, made the first time the pane is shown; nullptr until then.
    QWebEngineView* view() const { return m_view; }
    QLabel* note() const { return m_note; }

    // The document was saved to `name`: a large document is shown again from its file.
    void documentWritten(const QString& name);

signals:
    // A refresh has finished loading (and the scroll position is back).
    void refreshed();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void refresh();
    void showFile(const QString& name);
    void keepScrollAnd(const std::function<void()>& load);
    void onLoadFinished();

    CodeEditor& m_editor;
    std::function<QString()> m_documentFileName;
    QWebEngineView* m_view = nullptr;
    QLabel* m_note;
    QTimer m_debounce;
    QString m_shownHtml;
    QString m_shownFile; // the saved file shown instead of the text, if any
    QPointF m_scroll;
    bool m_placed = false; // given its first width
};
