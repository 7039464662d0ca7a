#pragma once

#include <QString>
#include <QStringList>

// Where a wizard builds its code: the dialog's code viewer, the document's editor, or, for the
// pure generators, a plain text buffer. Each has a selection and a caret; line breaks count two.
class CodeTarget {
public:
    virtual ~CodeTarget() = default;
    // Replaces the selection with start + selected text + end and leaves a bare caret just
    // before end, so that the next wrap nests inside this one.
    virtual void wrap(const QString& start, const QString& end) = 0;
    // Adds text after everything, wherever the caret is.
    virtual void append(const QString& text) = 0;
    // Replaces the selection with text; the caret goes after it.
    void insert(const QString& text) { wrap(text, QString()); }
};

// A text and its selection: the generators run on this, and their tests read the result.
class CodeBuffer : public CodeTarget {
public:
    void wrap(const QString& start, const QString& end) override;
    void append(const QString& text) override { m_text += text; }

    QString text() const { return m_text; }
    int caret() const { return m_caret; }
    void select(int start, int length);

private:
    QString m_text;
    int m_caret = 0;
    int m_length = 0;
};

// The lines of a multi-line box as the box counts them: a final line break does not start a
// further line, and an empty text has none. CR LF, CR and LF all break lines.
QStringList boxLines(const QString& text);
