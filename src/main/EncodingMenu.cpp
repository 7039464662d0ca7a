#include "main/EncodingMenu.h"

#include "editor/CodeEditor.h"
#include "main/DocumentSession.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

using Encoding = TextFormat::Encoding;
using LineBreak = TextFormat::LineBreak;

struct EncodingChoice {
    const char* name;
    const char* caption;
    Encoding encoding;
    bool byteOrderMark;
};
// UTF-16 is always written with its byte-order mark.
const EncodingChoice kEncodings[] = {
    { "encodingUtf8", "UTF-8", Encoding::Utf8, false },
    { "encodingUtf8Bom", "UTF-8 with byte-order mark", Encoding::Utf8, true },
    { "encodingWindows1252", "Windows-1252", Encoding::Windows1252, false },
    { "encodingUtf16Le", "UTF-16 LE", Encoding::Utf16Le, true },
    { "encodingUtf16Be", "UTF-16 BE", Encoding::Utf16Be, true },
};

struct BreakChoice {
    const char* name;
    const char* caption;
    LineBreak lineBreak;
};
const BreakChoice kBreaks[] = {
    { "lineBreakCrLf", "CR LF line breaks", LineBreak::CrLf },
    { "lineBreakLf", "LF line breaks", LineBreak::Lf },
};

} // namespace

EncodingMenu::EncodingMenu(DocumentSession& session, CodeEditor& editor, QLabel& panel, Boundary boundary, QWidget* parent)
    : QMenu(parent)
    , m_session(session)
    , m_editor(editor)
    , m_panel(panel)
{
    setObjectName(QStringLiteral("encodingMenu"));
    for (const EncodingChoice& c : kEncodings) {
        QAction* a = addAction(QStringLiteral("Save as ") + QString::fromLatin1(c.caption));
        a->setObjectName(QString::fromLatin1(c.name));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, c] {
            TextFormat format = m_editor.textFormat();
            format.encoding = c.encoding;
            format.byteOrderMark = c.byteOrderMark;
            m_session.setSaveFormat(format);
        });
    }
    addSeparator();
    for (const BreakChoice& c : kBreaks) {
        QAction* a = addAction(QString::fromLatin1(c.caption));
        a->setObjectName(QString::fromLatin1(c.name));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, c] {
            TextFormat format = m_editor.textFormat();
            format.lineBreak = c.lineBreak;
            m_session.setSaveFormat(format);
        });
    }
    addSeparator();
    m_reload = addMenu(QStringLiteral("Reload with encoding"));
    m_reload->setObjectName(QStringLiteral("reloadWithEncoding"));
    for (const EncodingChoice& c : kEncodings) {
        if (c.byteOrderMark && c.encoding == Encoding::Utf8) continue; // a mark is read either way
        QAction* a = m_reload->addAction(QString::fromLatin1(c.caption));
        a->setObjectName(QStringLiteral("reload") + QString::fromLatin1(c.name).mid(8));
        connect(a, &QAction::triggered, this,
            [this, c, boundary] { boundary([this, c] { m_session.reloadWithEncoding(c.encoding); }); });
    }
    connect(this, &QMenu::aboutToShow, this, &EncodingMenu::updateChecks);
    m_panel.installEventFilter(this);
    m_panel.setToolTip(QStringLiteral("Click to choose the encoding and line breaks"));
}

void EncodingMenu::updateChecks()
{
    const TextFormat format = m_editor.textFormat();
    for (const EncodingChoice& c : kEncodings)
        findChild<QAction*>(QString::fromLatin1(c.name))
            ->setChecked(format.encoding == c.encoding && (format.byteOrderMark == c.byteOrderMark || c.encoding != Encoding::Utf8));
    for (const BreakChoice& c : kBreaks)
        findChild<QAction*>(QString::fromLatin1(c.name))->setChecked(format.lineBreak == c.lineBreak);
    m_reload->setEnabled(!m_session.fileName().isEmpty());
}

bool EncodingMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_panel && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        popup(m_panel.mapToGlobal(QPoint(0, -sizeHint().height())));
        return true;
    }
    return QMenu::eventFilter(watched, event);
}
