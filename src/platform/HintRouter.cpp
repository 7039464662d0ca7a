#include "platform/HintRouter.h"

#include <QApplication>
#include <QEvent>
#include <QPlainTextEdit>
#include <QWidget>

namespace {
HintRouter* g_instance = nullptr;
}

HintRouter::HintRouter(QObject* parent)
    : QObject(parent)
{
    g_instance = this;
    if (qApp) qApp->installEventFilter(this);
}

HintRouter::~HintRouter()
{
    if (g_instance == this) g_instance = nullptr;
}

HintRouter* HintRouter::instance() { return g_instance; }

void HintRouter::setMainHintBox(QPlainTextEdit* box) { m_mainBox = box; }

void HintRouter::registerWindow(QWidget* window, QPlainTextEdit* box)
{
    m_windows.insert(window, box);
    connect(window, &QObject::destroyed, this, [this, window] { m_windows.remove(window); });
}

QPlainTextEdit* HintRouter::currentBox() const
{
    if (QWidget* active = QApplication::activeWindow()) {
        const auto it = m_windows.constFind(active);
        if (it != m_windows.constEnd() && *it) return *it;
    }
    return m_mainBox;
}

void HintRouter::showHint(const QString& hint)
{
    if (hint == m_hint) return;
    m_hint = hint;
    if (QPlainTextEdit* box = currentBox()) box->setPlainText(hint);
}

bool HintRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter && watched->isWidgetType()) {
        // The nearest widget with a status tip speaks for the ones inside it.
        for (auto* w = static_cast<QWidget*>(watched); w; w = w->parentWidget()) {
            if (!w->statusTip().isEmpty()) {
                showHint(w->statusTip());
                break;
            }
            if (w->isWindow()) break;
        }
    } else if (event->type() == QEvent::StatusTip) {
        // Menu entries and tool buttons of actions report their status tips this way.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!tip.isEmpty()) showHint(tip);
    }
    return QObject::eventFilter(watched, event);
}
