#include "main/ButtonBars.h"

#include "editor/CodeEditor.h"
#include "main/MainWindow.h"
#include "main/MenuBuilder.h"
#include "shared/CommandRegistry.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Lays its items out left to right and starts a new line where the width runs out.
class FlowLayout : public QLayout {
public:
    using QLayout::QLayout;
    ~FlowLayout() override
    {
        while (QLayoutItem* item = FlowLayout::takeAt(0))
            delete item;
    }
    void addItem(QLayoutItem* item) override { m_items << item; }
    int count() const override { return int(m_items.size()); }
    QLayoutItem* itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem* takeAt(int index) override
    {
        return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
    }
    QSize sizeHint() const override { return minimumSize(); }
    QSize minimumSize() const override
    {
        QSize size;
        for (QLayoutItem* item : m_items)
            size = size.expandedTo(item->minimumSize());
        return size;
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return arrange(QRect(0, 0, width, 0), false); }
    void setGeometry(const QRect& rect) override
    {
        QLayout::setGeometry(rect);
        arrange(rect, true);
    }

private:
    int arrange(const QRect& rect, bool apply) const
    {
        int x = rect.x();
        int y = rect.y();
        int lineHeight = 0;
        for (QLayoutItem* item : m_items) {
            const QSize size = item->sizeHint();
            if (x + size.width() > rect.right() + 1 && lineHeight > 0) {
                x = rect.x();
                y += lineHeight;
                lineHeight = 0;
            }
            if (apply) item->setGeometry(QRect(QPoint(x, y), size));
            x += size.width();
            lineHeight = std::max(lineHeight, size.height());
        }
        return y + lineHeight - rect.y();
    }

    QList<QLayoutItem*> m_items;
};

// The splitter under the bars: dragging it changes the panel's height.
class PanelSplitter : public QWidget {
public:
    explicit PanelSplitter(QWidget* panel)
        : m_panel(panel)
    {
        setObjectName(QStringLiteral("buttonBarSplitter"));
        setFixedHeight(4);
        setCursor(Qt::SplitVCursor);
    }

protected:
    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (e->buttons() & Qt::LeftButton)
            m_panel->setFixedHeight(std::max(height(), m_panel->mapFromGlobal(e->globalPosition().toPoint()).y()));
    }

private:
    QWidget* m_panel;
};

// Event attributes go beside the selection, never around it.
const QStringList kBesideSelection { QStringLiteral("snippet_onClick"), QStringLiteral("snippet_onMouseOver"),
    QStringLiteral("snippet_onSubmit"), QStringLiteral("snippet_onChange") };

QStringList captionsOf(const MenuRows& positions)
{
    QStringList captions;
    for (const MenuRow& p : positions)
        captions << QString::fromUtf8(p.caption);
    return captions;
}
} // namespace

// ---- ButtonBar ----------------------------------------------------------------------------

ButtonBar::ButtonBar(const QStringList& captions, QWidget* parent)
    : QWidget(parent)
{
    auto* flow = new FlowLayout(this);
    flow->setContentsMargins(0, 0, 0, 0);
    for (const QString& caption : captions) {
        auto* button = new QToolButton;
        button->setText(caption);
        button->setCheckable(true);
        const int position = int(m_buttons.size());
        connect(button, &QToolButton::clicked, this, [this, position] {
            if (position == m_selected) {
                m_buttons[position]->setChecked(true); // a click on the selected button is no press
                return;
            }
            setSelected(position);
            emit changed(position);
        });
        flow->addWidget(button);
        m_buttons << button;
    }
    setSelected(0);
}

void ButtonBar::setSelected(int position)
{
    m_selected = position;
    for (int i = 0; i < count(); ++i)
        m_buttons[i]->setChecked(i == position);
}

// ---- ButtonBars ---------------------------------------------------------------------------

const MenuRows& ButtonBars::positions(Bar bar)
{
    return bar == Bar::Html ? MenuTables::htmlButtonBar() : MenuTables::javaScriptButtonBar();
}

ButtonBars::ButtonBars(MainWindow& window)
    : QObject(&window)
    , m_window(window)
{
    QWidget* panel = m_window.buttonBarPanel();
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_htmlBar = new ButtonBar(captionsOf(positions(Bar::Html)));
    m_htmlBar->setObjectName(QStringLiteral("htmlBar"));
    m_javaScriptBar = new ButtonBar(captionsOf(positions(Bar::JavaScript)));
    m_javaScriptBar->setObjectName(QStringLiteral("javaScriptBar"));
    m_splitter = new PanelSplitter(panel);

    auto newAction = [this](const char* name, const QString& caption, bool checkable, void (ButtonBars::*handler)()) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(checkable);
        // The check marks are set by the handlers, not by the click.
        connect(action, &QAction::triggered, this, handler);
        m_actions << action;
        m_window.commands().adopt(action);
        return action;
    };
    QAction* directories
        = newAction("viewDirectories", QStringLiteral("&Directories"), true, &ButtonBars::toggleDirectories);
    directories->setChecked(true);
    newAction("viewHtmlButtons", QStringLiteral("&HTML Buttons"), true, &ButtonBars::showHtmlButtons);
    newAction("viewJavaScriptButtons", QStringLiteral("&JavaScript Buttons"), true, &ButtonBars::showJsButtons);
    newAction("viewHideButtons", QStringLiteral("Hide &Buttons"), false, &ButtonBars::hideAll);
    newAction("barShowJsButtons", QStringLiteral("Show JS Buttons"), true, &ButtonBars::showJsButtons);
    newAction("barShowHtmlButtons", QStringLiteral("Show HTML Buttons"), true, &ButtonBars::showHtmlButtons);
    newAction("barHideButtons", QStringLiteral("Hide buttons"), false, &ButtonBars::hideAll);
    m_barMenu = MenuBuilder(m_window.commands())
                    .menu(MenuTables::buttonBarMenu(), QStringLiteral("buttonBarMenu"), &m_window);
    m_barMenu->setObjectName(QStringLiteral("buttonBarMenu"));

    for (Bar which : { Bar::Html, Bar::JavaScript }) {
        ButtonBar* b = bar(which);
        b->setStatusTip(kHint);
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QWidget::customContextMenuRequested, this,
            [this, b](const QPoint& at) { m_barMenu->popup(b->mapToGlobal(at)); });
        for (int p = 0; p < b->count(); ++p) {
            QToolButton* button = b->button(p);
            button->setStatusTip(kHint);
            button->setContextMenuPolicy(Qt::NoContextMenu); // the bar's menu opens over its buttons too
            button->setEnabled(p == 0 || command(which, p));
        }
        connect(b, &ButtonBar::changed, this, [this, which](int p) { barChange(which, p); });
        b->hide();
        column->addWidget(b);
    }
    column->addStretch(1);
    column->addWidget(m_splitter);

    if (auto* leftButton = m_window.findChild<QToolButton*>(QStringLiteral("leftPanelButton")))
        connect(leftButton, &QToolButton::clicked, this, &ButtonBars::toggleLeftPanel);
}

QAction* ButtonBars::action(const QString& name) const
{
    for (QAction* a : m_actions)
        if (a->objectName() == name) return a;
    return nullptr;
}

QAction* ButtonBars::command(Bar bar, int position) const
{
    const QString name = QLatin1String(positions(bar).value(position).command);
    return name.isEmpty() ? nullptr : m_window.commands().action(name);
}

void ButtonBars::barChange(Bar which, int position)
{
    ButtonBar* b = bar(which);
    if (position > 0) {
        run(which, position);
    } else if (m_lastButton > 0 && m_lastButton < b->count()) {
        b->setSelected(m_lastButton);
        run(which, m_lastButton);
    } else {
        b->setSelected(0);
    }
}

void ButtonBars::run(Bar which, int position)
{
    m_window.runCommand([&] {
        if (kBesideSelection.contains(QLatin1String(positions(which).value(position).command))) {
            CodeEditor* editor = m_window.editor();
            if (!editor->selText().isEmpty()) editor->setSelStart(editor->selStart() + editor->selLength());
        }
        if (QAction* a = command(which, position)) a->trigger();
    });
    m_lastButton = position;
}

void ButtonBars::showHtmlButtons() { showBar(Bar::Html); }

void ButtonBars::showJsButtons() { showBar(Bar::JavaScript); }

void ButtonBars::showBar(Bar which)
{
    const Bar other = which == Bar::Html ? Bar::JavaScript : Bar::Html;
    bar(other)->hide();
    bar(which)->show();
    QWidget* panel = m_window.buttonBarPanel();
    panel->setFixedHeight(kPanelHeight);
    panel->show();
    m_splitter->show();
    m_lastButton = 0;
    setChecks(which == Bar::Html, which == Bar::JavaScript);
    bar(which)->setSelected(0);
}

void ButtonBars::hideAll()
{
    m_htmlBar->hide();
    m_javaScriptBar->hide();
    m_lastButton = 0;
    setChecks(false, false);
    m_window.buttonBarPanel()->hide();
    m_splitter->hide();
}

void ButtonBars::setChecks(bool html, bool javaScript)
{
    action(QStringLiteral("viewHtmlButtons"))->setChecked(html);
    action(QStringLiteral("barShowHtmlButtons"))->setChecked(html);
    action(QStringLiteral("viewJavaScriptButtons"))->setChecked(javaScript);
    action(QStringLiteral("barShowJsButtons"))->setChecked(javaScript);
}

void ButtonBars::toggleLeftPanel()
{
    QWidget* left = m_window.leftPanel();
    left->setVisible(left->isHidden());
}

void ButtonBars::toggleDirectories()
{
    toggleLeftPanel();
    action(QStringLiteral("viewDirectories"))->setChecked(!m_window.leftPanel()->isHidden());
}
