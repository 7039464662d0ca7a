#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The style sheet maker's lists, entry 0 first.
namespace StyleLists {
const QStringList& selectors(); // "Choose a Selector", "H1", ...
const QStringList& marginProperties(); // "Choose a property", "margin-left", ...
const QStringList& units(); // "px", "%"
const QStringList& genericFonts(); // "Default", "sans-serif", ... (installed fonts follow)
const QStringList& weights();
const QStringList& textStyles();
const QStringList& aligns();
const QStringList& attachments(); // "none", "fixed", "scroll"
const QStringList& backgroundTypes(); // "none", "background-color", "color"
const QStringList& borderSides();
const QStringList& borderStyles();
const QStringList& sizeWords(); // "number", "thick", "medium", "thin"
const QStringList& borderUnits(); // "none", "px", "%"
const QStringList& listStyles();
} // namespace StyleLists

// The rule a selector adds to the sheet.
QString selectorRule(const QString& selector);
// Where the caret goes after adding the rule: just before the "}" of the first line that starts
// with the rule, letter case ignored; -1 when there is none.
int selectorCaret(const QString& sheetText, const QString& selector);

// Declarations of the "Add" buttons; each is empty when its conditions are not met. Entries
// are list positions.
QString marginDeclaration(int propertyEntry, const QString& value, const QString& unit);
QString textDeclarations(
    const QString& colour, int fontEntry, const QString& font, const QString& size, const QString& unit);
QString textStyleDeclarations(int weightEntry, int styleEntry, int alignEntry);
QString indentDeclaration(const QString& value, const QString& unit);
QString backgroundImageDeclaration(const QString& path);
QString attachmentDeclaration(int entry);
QString backgroundColourDeclaration(int typeEntry, const QString& colour);
// nullopt when a part is missing: the user is asked to complete them.
std::optional<QString> borderDeclaration(
    int sideEntry, int styleEntry, const QString& colour, const QString& size, int unitEntry);
inline const QString kCompleteAllFields = QStringLiteral("Please complete all fields.");
QString bulletImageDeclaration(const QString& path);
QString listStyleDeclaration(const QString& value);

// The page the Viewer tab shows the sheet on, and the names of the two preview files.
QString styleSheetSamplePage();
inline const QString kPreviewSheetName = QStringLiteral("1xiv.css");
inline const QString kPreviewPageName = QStringLiteral("1xiv.htm");
