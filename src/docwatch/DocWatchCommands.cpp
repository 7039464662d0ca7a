#include "docwatch/DocWatchCommands.h"

#include "docwatch/CrashRecovery.h"
#include "docwatch/DocumentWatch.h"
#include "shared/FeatureContext.h"

#include <QWidget>

void registerDocWatch(const FeatureContext& context)
{
    new CrashRecovery(context, context.window);
    auto* watch = new DocumentWatch(context, context.window);
    if (!context.document) return;
    QObject::connect(context.document, &DocumentSignals::fileNameChanged, watch, &DocumentWatch::track);
    QObject::connect(context.document, &DocumentSignals::written, watch, &DocumentWatch::track);
}
