#include "main/ViewOptions.h"

#include "shared/SettingsFiles.h"

#include <QFileInfo>

ViewOptions ViewOptions::read(const QString& path)
{
    ViewOptions options;
    if (!QFileInfo::exists(path)) return options;
    const QStringList lines = SettingsFiles::readLines(path);
    options.livePreview = lines.value(0).trimmed() == QLatin1String("1");
    options.lineNumbers = lines.value(1).trimmed() == QLatin1String("1");
    return options;
}

void ViewOptions::write(const QString& path) const
{
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    SettingsFiles::writeLines(path, { flag(livePreview), flag(lineNumbers) });
}
