#pragma once

#include "shared/FeatureContext.h"
#include "sitetools/LinkCheck.h"

#include <QWidget>

class QListWidget;

// "Find image ALT text ...": lists the ALT texts of the document and selects each in the editor.
// The list is made afresh whenever the window becomes active.
class AltTextWindow : public QWidget {
    Q_OBJECT
public:
    explicit AltTextWindow(const FeatureContext& context, QWidget* parent = nullptr);

    void scan();
    void pick(int row);
    QListWidget* altTextList() const { return m_list; }

protected:
    void changeEvent(QEvent* event) override;

private:
    FeatureContext m_context;
    QListWidget* m_list;
    QList<FoundLink> m_found;
};
