#pragma once

#include <QString>
#include <functional>

// Whole-site changes to one file, which the site tools provide and the file lists (the
// navigator, the file operations window) offer on their files. Each is empty until provided.
struct SiteFileActions {
    // Opens the window that renames the file, or moves it to another directory, and updates
    // every link to it.
    std::function<void(const QString& file)> renameWithLinks;
    std::function<void(const QString& file)> moveWithLinks;
    // Told after a site change renamed or moved a file, so file lists read their directories again.
    std::function<void()> filesChanged;
};
