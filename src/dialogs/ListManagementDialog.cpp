#include "dialogs/ListManagementDialog.h"

#include "dialogs/ListNames.h"
#include "dialogs/SimPEFolder.h"
#include "platform/ExtractStep.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

QPushButton *fixedButton(const QString &text)
{
    auto *button = new QPushButton(text);
    button->setMaximumSize(button->sizeHint());
    return button;
}

QComboBox *comboBox(const char *objectName, bool editable)
{
    auto *combo = new QComboBox;
    combo->setObjectName(QLatin1String(objectName));
    combo->setEditable(editable);
    return combo;
}

} // namespace

ListManagementDialog::ListManagementDialog()
    : QDialog(nullptr)
{
    const QStringList names = ListNames::inFolder(QStringLiteral("."));

    m_openButton = fixedButton(QStringLiteral("Open"));
    m_openButton->setEnabled(!names.isEmpty());
    m_openCombo = comboBox("openCombo", false);
    m_openCombo->addItems(names);
    m_openButtonRow = new QHBoxLayout;
    m_openButtonRow->addWidget(m_openButton);
    m_openButtonRow->addWidget(m_openCombo);
    m_formatCombo = comboBox("formatCombo", false);
    m_formatCombo->addItems({QStringLiteral("Version 0.1"), QStringLiteral("Version 0.2"),
                             QStringLiteral("Version 0.3"), QStringLiteral("Version 0.4"),
                             QStringLiteral("This version (0.5)")});
    m_formatCombo->setCurrentIndex(4);
    m_formatCombo->setMaximumSize(m_formatCombo->sizeHint());
    m_formatRow = new QHBoxLayout;
    m_formatRow->addWidget(new QLabel(QStringLiteral("File format: ")));
    m_formatRow->addWidget(m_formatCombo);
    m_openLayout = new QVBoxLayout;
    m_openLayout->addLayout(m_openButtonRow);
    m_openLayout->addLayout(m_formatRow);
    m_openGroup = new QGroupBox(QStringLiteral("Open a list"));
    m_openGroup->setLayout(m_openLayout);

    m_saveAsButton = fixedButton(QStringLiteral("Save As"));
    m_saveAsButton->setEnabled(!names.isEmpty());
    m_saveCombo = comboBox("saveCombo", true);
    m_saveCombo->addItems(names);
    m_saveLayout = new QHBoxLayout;
    m_saveLayout->addWidget(m_saveAsButton);
    m_saveLayout->addWidget(m_saveCombo);
    m_saveGroup = new QGroupBox(QStringLiteral("Save the current list"));
    m_saveGroup->setLayout(m_saveLayout);

    m_setToButton = fixedButton(QStringLiteral("Set to"));
    m_debugCombo = comboBox("debugCombo", false);
    m_debugCombo->addItems({QStringLiteral("50 Random Sims"), QStringLiteral("One of Each Type")});
    m_debugLayout = new QHBoxLayout;
    m_debugLayout->addWidget(m_setToButton);
    m_debugLayout->addWidget(m_debugCombo);
    m_debugGroup = new QGroupBox(QStringLiteral("Set a premade debug list"));
    m_debugGroup->setLayout(m_debugLayout);

    m_importLayout = new QVBoxLayout;
    m_locationRow = new QHBoxLayout;
    m_neighborhoodRow = new QHBoxLayout;
    m_importLayout->addLayout(m_locationRow);
    m_importLayout->addLayout(m_neighborhoodRow);
    m_importGroup = new QGroupBox(QStringLiteral("Import Sims from SimPE"));
    m_importGroup->setLayout(m_importLayout);
    m_browseButton = fixedButton(QStringLiteral("Browse to SimPE"));
    m_importButton = fixedButton(QStringLiteral("Import Sims"));
    m_importButton->setEnabled(false);
    m_simPELocationEdit = new QLineEdit(QStringLiteral("C:/Program Files/SimPE/"));
    m_simPELocationEdit->setObjectName(QStringLiteral("simPELocationEdit"));
    m_simPELocationEdit->setCursorPosition(0);
    auto *neighborhoodLabel = new QLabel(QStringLiteral("Neighborhood: "));
    m_neighborhoodCombo = comboBox("neighborhoodCombo", false);
    m_previousOutputBox = new QCheckBox(QStringLiteral("Import from previously created output"));
    fillNeighborhoods();
    m_importButton->setEnabled(simPEFound());
    m_locationRow->addWidget(m_simPELocationEdit);
    m_locationRow->addWidget(m_browseButton);
    m_neighborhoodRow->addWidget(neighborhoodLabel);
    m_neighborhoodRow->addWidget(m_neighborhoodCombo);
    m_neighborhoodRow->addWidget(m_importButton);
    m_importLayout->addWidget(m_previousOutputBox);

    m_clearButton = new QPushButton(QStringLiteral("Clear current list"));
    m_closeButton = fixedButton(QStringLiteral("Close"));

    m_mainLayout = new QGridLayout;
    m_mainLayout->addWidget(m_openGroup, 0, 0);
    m_mainLayout->addWidget(m_saveGroup, 0, 1);
    m_mainLayout->addWidget(m_debugGroup, 1, 0);
    m_mainLayout->addWidget(m_importGroup, 1, 1);
    m_mainLayout->addWidget(m_clearButton, 2, 0, Qt::AlignRight | Qt::AlignVCenter);
    m_mainLayout->addWidget(m_closeButton, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    setLayout(m_mainLayout);

    connect(m_openButton, &QPushButton::clicked, this, &ListManagementDialog::open);
    connect(m_saveAsButton, &QPushButton::clicked, this, &ListManagementDialog::save);
    connect(m_setToButton, &QPushButton::clicked, this, &ListManagementDialog::setDebug);
    connect(m_browseButton, &QPushButton::clicked, this, &ListManagementDialog::browseForSimPE);
    connect(m_importButton, &QPushButton::clicked, this, &ListManagementDialog::importSims);
    connect(m_clearButton, &QPushButton::clicked, this, &ListManagementDialog::clearList);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_openCombo, &QComboBox::currentIndexChanged, this, &ListManagementDialog::validate);
    connect(m_saveCombo, &QComboBox::currentIndexChanged, this, &ListManagementDialog::validate);
    connect(m_saveCombo, &QComboBox::editTextChanged, this, &ListManagementDialog::validate);
    connect(m_debugCombo, &QComboBox::currentIndexChanged, this, &ListManagementDialog::validate);
    connect(m_simPELocationEdit, &QLineEdit::textChanged, this, &ListManagementDialog::validate);
}

ListManagementDialog::~ListManagementDialog() = default;

void ListManagementDialog::fillNeighborhoods()
{
    m_neighborhoodCombo->addItems(Platform::neighborhoodIds(Platform::neighborhoodFolder()));
    m_neighborhoodCombo->setEditable(true);
}

bool ListManagementDialog::simPEFound() const
{
    const QString location = m_simPELocationEdit->text();
    return !location.isEmpty()
        && QFileInfo(QDir(location).filePath(QStringLiteral("SimPE.exe"))).isFile();
}

void ListManagementDialog::setEPFlags(int flags)
{
    m_epFlags = flags;
}

void ListManagementDialog::setSimPELocation(QString location)
{
    m_simPELocationEdit->setText(location);
}

void ListManagementDialog::setListName(const QString &name)
{
    m_listName = name;
}

void ListManagementDialog::showEvent(QShowEvent *event)
{
    refreshFileList();
    QDialog::showEvent(event);
}

// A one-click save is of the list in hand, never of whichever name happens
// to come first in the folder.
void ListManagementDialog::offerListName()
{
    if (!m_listName.isEmpty())
        m_saveCombo->setEditText(m_listName);
}

void ListManagementDialog::validate()
{
    m_openButton->setEnabled(!m_openCombo->currentText().isEmpty());
    m_saveAsButton->setEnabled(!m_saveCombo->currentText().isEmpty());
    m_setToButton->setEnabled(!m_debugCombo->currentText().isEmpty());
    m_importButton->setEnabled(simPEFound());
}

void ListManagementDialog::open()
{
    const int format = m_formatCombo->currentIndex();
    const QString name = m_openCombo->currentText();
    emit openList(name, format);
    resetInputs();
}

void ListManagementDialog::save()
{
    const QString name = ListNames::clean(m_saveCombo->currentText());
    const QString problem = ListNames::problem(name);
    if (!problem.isEmpty()) {
        // The typed name stays, so the player can mend it.
        QMessageBox::warning(this, QString(), problem);
        return;
    }
    m_pendingSave = name;
    emit saveList(name);
    resetInputs();
    refreshFileList();
}

void ListManagementDialog::saveFinished(bool saved)
{
    // Saves the sheet makes on its own, such as the backup after an open,
    // were not asked for here and are not reported.
    if (m_pendingSave.isNull())
        return;
    const QString name = std::exchange(m_pendingSave, QString());
    if (saved)
        QMessageBox::information(this, QStringLiteral("Save Completed"),
                                 QStringLiteral("List has been saved as ") + name
                                     + QStringLiteral(".sls"));
}

void ListManagementDialog::setDebug()
{
    emit setDebugList(m_debugCombo->currentIndex());
    resetInputs();
}

void ListManagementDialog::resetInputs()
{
    m_openCombo->setCurrentIndex(0);
    m_saveCombo->setCurrentIndex(0);
    m_saveCombo->clearEditText();
    offerListName();
    m_debugCombo->setCurrentIndex(0);
}

void ListManagementDialog::refreshFileList()
{
    m_openCombo->clear();
    m_saveCombo->clear();
    const QStringList names = ListNames::inFolder(QStringLiteral("."));
    m_openCombo->addItems(names);
    m_saveCombo->addItems(names);
    offerListName();
}

void ListManagementDialog::browseForSimPE()
{
    chooseSimPEFolder(this, m_simPELocationEdit);
}

void ListManagementDialog::importSims()
{
    const QString workingFolder = QDir::currentPath();
    if (!m_previousOutputBox->isChecked()) {
        const QString simPE = QDir::toNativeSeparators(
            QDir(m_simPELocationEdit->text()).filePath(QStringLiteral("SimPE.exe")));
        const ExtractStep::Result result =
            ExtractStep::run(workingFolder, simPE, m_neighborhoodCombo->currentText().trimmed());
        if (!result.succeeded()) {
            QMessageBox::warning(this, QString(), result.message);
            return;
        }
    } else if (!QFileInfo::exists(ExtractStep::exportPath())) {
        QMessageBox::information(this, QString(), ExtractStep::missingOutputText());
        return;
    }
    // Said also when an earlier output is taken and no step ran.
    QMessageBox::information(this, QString(), QStringLiteral("Generated list of sims."));

    ImportDialog *dialog = m_importDialog.replace(new ImportDialog(workingFolder, m_epFlags));
    connect(dialog, &ImportDialog::addSim, this, &ListManagementDialog::addSim);
    connect(dialog, &ImportDialog::updateModels, this, &ListManagementDialog::updateModels);
    m_importDialog.showInFront();
}
