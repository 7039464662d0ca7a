#include "main/HelpWindows.h"

#include "platform/AppDirs.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString& title, const QString& page, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 520);
    auto* browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("helpBrowser"));
    browser->setOpenExternalLinks(true);
    const QString path = AppDirs::dataFile(page);
    if (QFileInfo::exists(path))
        browser->setSource(QUrl::fromLocalFile(path));
    else
        browser->setPlainText(QStringLiteral("The help page %1 is not installed.").arg(page));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
}

QString AboutBox::text()
{
    return QStringLiteral("Pelorin95\nVersion %1\n\nAn editor for web pages written by hand: HTML with embedded "
                          "JavaScript and style sheets.")
        .arg(QStringLiteral(PELORIN_VERSION));
}

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Pelorin95"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* label = new QLabel(text());
    label->setObjectName(QStringLiteral("aboutText"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(buttons);
}
