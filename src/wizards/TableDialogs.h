#pragma once

#include "wizards/TableCode.h"
#include "wizards/WizardParts.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

// "New Table": a whole table, written over the document's selection.
class TableDialog : public WizardWindow {
    Q_OBJECT
public:
    explicit TableDialog(const FeatureContext& context);
    TableOptions options() const;
    // The colour of the "CUSTOM" entry, kept for the rest of the run.
    static QString customColour();

private:
    QSpinBox* m_rowsSpin;
    QSpinBox* m_columnsSpin;
    QComboBox* m_alignCombo;
    QComboBox* m_colourCombo;
    QSpinBox* m_borderSpin;
    QSpinBox* m_cellSpacingSpin;
    QSpinBox* m_cellPaddingSpin;
    QCheckBox* m_stateWidthCheck;
    QSpinBox* m_widthSpin;
    QRadioButton* m_pixelsRadio;
    QRadioButton* m_perCentRadio;
};

// "Table Data Wizard": one cell's start tag.
class TableDataDialog : public WizardWindow {
    Q_OBJECT
public:
    explicit TableDataDialog(const FeatureContext& context);
    TableDataOptions options() const;
    static QString customColour();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* m_vAlignCombo;
    QComboBox* m_alignCombo;
    QCheckBox* m_stateWidthCheck;
    QSpinBox* m_widthSpin;
    QRadioButton* m_pixelsRadio;
    QRadioButton* m_perCentRadio;
    QComboBox* m_colourCombo;
};
