#include "platform/Prompter.h"
#include "platform/WidgetHelpers.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

namespace {
QString defaultCaption(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Warning:
        return QStringLiteral("Warning");
    case Prompter::Icon::Error:
        return QStringLiteral("Error");
    case Prompter::Icon::Information:
        return QStringLiteral("Information");
    case Prompter::Icon::Confirmation:
        return QStringLiteral("Confirm");
    case Prompter::Icon::None:
        break;
    }
    return QStringLiteral("Pelorin95");
}

QString runFileDialog(QWidget* parent, const Prompter::FileDialog& d, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, d.title, d.initialDir, QtPrompter::qtFilter(d.filter));
    dialog.setAcceptMode(mode);
    dialog.setDefaultSuffix(d.defaultExtension);
    dialog.setFileMode(
        mode == QFileDialog::AcceptOpen && d.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!d.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!d.initialName.isEmpty()) {
        const QFileInfo info(d.initialName);
        if (info.isAbsolute()) dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}
} // namespace

template <class F> auto QtPrompter::shown(QWidget* owner, F f)
{
    QWidget* parent = owner ? owner->window() : m_mainWindow;
    QPointer<QWidget> guard(parent);
    auto answer = f(parent);
    // The window manager may hand the focus to any window when the dialog goes: the keys belong
    // to the window that asked.
    if (guard && guard->isVisible()) giveKeysTo(guard);
    return answer;
}

QString QtPrompter::qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns.replace(QLatin1String("*.*"), QLatin1String("*"));
        out << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return out.join(QLatin1String(";;"));
}

Prompter::Button QtPrompter::messageFor(
    QWidget* owner, const QString& text, Icon icon, Buttons buttons, const QString& caption)
{
    return shown(owner, [&](QWidget* parent) { return showMessage(parent, text, icon, buttons, caption); });
}

Prompter::Button QtPrompter::showMessage(
    QWidget* parent, const QString& text, Icon icon, Buttons buttons, const QString& caption)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption.isEmpty() ? defaultCaption(icon) : caption);
    // Messages are plain text: a tag in a message ("<head>") is shown, not read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::None:
        break;
    }
    QMessageBox::StandardButtons standard;
    if (buttons & Yes) standard |= QMessageBox::Yes;
    if (buttons & No) standard |= QMessageBox::No;
    if (buttons & Ok) standard |= QMessageBox::Ok;
    if (buttons & Cancel) standard |= QMessageBox::Cancel;
    box.setStandardButtons(standard);
    if (buttons & DefaultNo) box.setDefaultButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    case QMessageBox::Ok:
        return Ok;
    case QMessageBox::Cancel:
        return Cancel;
    default:
        break;
    }
    if (buttons & Cancel) return Cancel;
    if (buttons & No) return No;
    return Ok;
}

std::optional<QString> QtPrompter::openFileFor(QWidget* owner, const FileDialog& dialog)
{
    const QString name
        = shown(owner, [&](QWidget* parent) { return runFileDialog(parent, dialog, QFileDialog::AcceptOpen); });
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> QtPrompter::saveFileFor(QWidget* owner, const FileDialog& dialog)
{
    const QString name
        = shown(owner, [&](QWidget* parent) { return runFileDialog(parent, dialog, QFileDialog::AcceptSave); });
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> QtPrompter::chooseDirectoryFor(QWidget* owner, const QString& title, const QString& initialDir)
{
    const QString dir = shown(
        owner, [&](QWidget* parent) { return QFileDialog::getExistingDirectory(parent, title, initialDir); });
    if (dir.isEmpty()) return std::nullopt;
    return dir;
}

std::optional<QColor> QtPrompter::chooseColorFor(QWidget* owner, const QColor& initial)
{
    const QColor colour = shown(owner, [&](QWidget* parent) { return QColorDialog::getColor(initial, parent); });
    if (!colour.isValid()) return std::nullopt;
    return colour;
}

std::optional<QString> QtPrompter::inputTextFor(
    QWidget* owner, const QString& caption, const QString& prompt, const QString& value)
{
    bool ok = false;
    const QString text = shown(owner, [&](QWidget* parent) {
        return QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &ok);
    });
    if (!ok) return std::nullopt;
    return text;
}
