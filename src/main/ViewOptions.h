#pragma once

#include <QString>

// The View menu's check entries that are remembered between runs: "viewoptions.plr", line 1 the
// live preview, line 2 the line numbers, each "1" (on) or "0" (off). A missing file or line is
// off.
struct ViewOptions {
    static inline const QString kFileName = QStringLiteral("viewoptions.plr");

    bool livePreview = false;
    bool lineNumbers = false;

    // Errors throw FileError.
    static ViewOptions read(const QString& path);
    void write(const QString& path) const;
};
