#include "wizards/TableDialogs.h"

#include "shared/HexColour.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Each dialog keeps its custom colour for the whole run, across openings.
QString g_tableColour;
QString g_cellColour;

QSpinBox* spin(QWidget* parent, const char* name, int min, int max, int value)
{
    auto* box = named(new QSpinBox(parent), name);
    box->setRange(min, max);
    box->setValue(value);
    return box;
}

// A list that shows `shown` while no entry is chosen.
QComboBox* list(QWidget* parent, const char* name, const QStringList& entries, int chosen, const QString& shown = {})
{
    auto* box = named(new QComboBox(parent), name);
    box->addItems(entries);
    box->setPlaceholderText(shown);
    box->setCurrentIndex(chosen);
    return box;
}

// Choosing "CUSTOM" asks for the colour at once.
void askOnCustom(QComboBox* combo, Prompter& prompter, QString& colour)
{
    QObject::connect(combo, &QComboBox::activated, combo, [&prompter, &colour](int index) {
        if (index == kCustomColourEntry) colour = hexcolor(prompter);
    });
}

QHBoxLayout* okCancel(QPushButton* ok, QPushButton* cancel)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

} // namespace

QString TableDialog::customColour() { return g_tableColour; }
QString TableDataDialog::customColour() { return g_cellColour; }

TableDialog::TableDialog(const FeatureContext& context)
    : WizardWindow(context, QStringLiteral("New Table"), QStringLiteral("tableDialog"))
    , m_rowsSpin(spin(this, "rowsSpin", 1, 10, 2))
    , m_columnsSpin(spin(this, "columnsSpin", 1, 10, 2))
    , m_alignCombo(list(this, "alignCombo", tableAlignEntries(), -1, QStringLiteral("Default")))
    , m_colourCombo(list(this, "colourCombo", tableColourEntries(), -1, QStringLiteral("DEFAULT")))
    , m_borderSpin(spin(this, "borderSpin", 0, 50, 1))
    , m_cellSpacingSpin(spin(this, "cellSpacingSpin", 0, 50, 0))
    , m_cellPaddingSpin(spin(this, "cellPaddingSpin", 0, 50, 5))
    , m_stateWidthCheck(checkBox("stateWidthCheck", QStringLiteral("State Width"), true))
    , m_widthSpin(spin(this, "widthSpin", 10, 1200, 600))
    , m_pixelsRadio(named(new QRadioButton(QStringLiteral("pixels"), this), "pixelsRadio"))
    , m_perCentRadio(named(new QRadioButton(QStringLiteral("per cent"), this), "perCentRadio"))
{
    m_pixelsRadio->setChecked(true);
    askOnCustom(m_colourCombo, prompter(), g_tableColour);
    connect(m_stateWidthCheck, &QCheckBox::toggled, m_widthSpin, &QWidget::setEnabled);
    connect(m_perCentRadio, &QRadioButton::clicked, this, [this] {
        m_widthSpin->setMaximum(100);
        m_widthSpin->setValue(100);
    });
    connect(m_pixelsRadio, &QRadioButton::clicked, this, [this] {
        m_widthSpin->setMaximum(1200);
        m_widthSpin->setValue(600);
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Number of Rows"), m_rowsSpin);
    form->addRow(QStringLiteral("Number of Columns"), m_columnsSpin);
    form->addRow(QStringLiteral("Align"), m_alignCombo);
    form->addRow(QStringLiteral("Background Colour"), m_colourCombo);
    form->addRow(QStringLiteral("Border"), m_borderSpin);
    form->addRow(QStringLiteral("Cellspacing"), m_cellSpacingSpin);
    form->addRow(QStringLiteral("CellPadding"), m_cellPaddingSpin);
    auto* width = new QHBoxLayout;
    width->addWidget(m_stateWidthCheck);
    width->addWidget(m_widthSpin);
    width->addWidget(m_pixelsRadio);
    width->addWidget(m_perCentRadio);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(width);
    QPushButton* ok = okButton([this] { writeAndClose(tableWriter(options())); }, {});
    ok->setDefault(true);
    layout->addLayout(okCancel(ok, cancelButton({})));
}

TableOptions TableDialog::options() const
{
    TableOptions o;
    o.rows = m_rowsSpin->value();
    o.columns = m_columnsSpin->value();
    o.alignEntry = m_alignCombo->currentIndex();
    o.colourEntry = m_colourCombo->currentIndex();
    o.customColour = g_tableColour;
    o.border = m_borderSpin->value();
    o.cellSpacing = m_cellSpacingSpin->value();
    o.cellPadding = m_cellPaddingSpin->value();
    o.stateWidth = m_stateWidthCheck->isChecked();
    o.width = m_widthSpin->value();
    o.perCent = m_perCentRadio->isChecked();
    return o;
}

TableDataDialog::TableDataDialog(const FeatureContext& context)
    : WizardWindow(context, QStringLiteral("Table Data Wizard"), QStringLiteral("tableDataDialog"))
    , m_vAlignCombo(list(this, "vAlignCombo", cellVAlignEntries(), 1))
    , m_alignCombo(list(this, "alignCombo", cellAlignEntries(), 1))
    , m_stateWidthCheck(checkBox("stateWidthCheck", QStringLiteral("State Width"), false))
    , m_widthSpin(spin(this, "widthSpin", 10, 1200, 90))
    , m_pixelsRadio(named(new QRadioButton(QStringLiteral("Width in pixels"), this), "pixelsRadio"))
    , m_perCentRadio(named(new QRadioButton(QStringLiteral("Width in %"), this), "perCentRadio"))
    , m_colourCombo(list(this, "colourCombo", cellColourEntries(), -1, QStringLiteral("Default")))
{
    m_pixelsRadio->setChecked(true);
    m_widthSpin->setEnabled(false);
    askOnCustom(m_colourCombo, prompter(), g_cellColour);
    connect(m_stateWidthCheck, &QCheckBox::toggled, m_widthSpin, &QWidget::setEnabled);
    connect(m_perCentRadio, &QRadioButton::clicked, this, [this] {
        m_widthSpin->setValue(100);
        m_widthSpin->setMaximum(100);
    });
    connect(m_pixelsRadio, &QRadioButton::clicked, this, [this] {
        m_widthSpin->setValue(90);
        m_widthSpin->setMaximum(1200);
    });
    // A click into the width's text takes the stated width back.
    m_widthSpin->findChild<QLineEdit*>()->installEventFilter(this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Vertical Alignment"), m_vAlignCombo);
    form->addRow(QStringLiteral("Horizontal Alignment"), m_alignCombo);
    auto* width = new QHBoxLayout;
    width->addWidget(m_stateWidthCheck);
    width->addWidget(m_widthSpin);
    width->addWidget(m_pixelsRadio);
    width->addWidget(m_perCentRadio);
    form->addRow(width);
    form->addRow(QStringLiteral("Background Colour"), m_colourCombo);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    QPushButton* ok = okButton([this] { writeAndClose(tableDataWriter(options())); }, {});
    ok->setDefault(true);
    layout->addLayout(okCancel(ok, cancelButton({})));
}

bool TableDataDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) m_stateWidthCheck->setChecked(false);
    return WizardWindow::eventFilter(watched, event);
}

TableDataOptions TableDataDialog::options() const
{
    TableDataOptions o;
    o.vAlignEntry = m_vAlignCombo->currentIndex();
    o.alignEntry = m_alignCombo->currentIndex();
    o.stateWidth = m_stateWidthCheck->isChecked();
    o.width = m_widthSpin->value();
    o.perCent = m_perCentRadio->isChecked();
    o.colourEntry = m_colourCombo->currentIndex();
    o.customColour = g_cellColour;
    return o;
}
