#include "pages/AgePage.h"

#include "pages/SortedListView.h"
#include "records/SimProxyModel.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

static QPushButton *naturalButton(const QString &text)
{
    auto *button = new QPushButton(text);
    button->setMaximumSize(button->sizeHint());
    return button;
}

AgePage::AgePage(MainWindow *mainWindow)
    : QWidget()
{
    Q_UNUSED(mainWindow);

    m_manageListsButton = naturalButton(QStringLiteral("&Manage Sim Lists..."));
    m_addSimButton = naturalButton(QStringLiteral("Add &New Sim"));
    m_editSimButton = naturalButton(QStringLiteral("Edit Selected Sim"));
    m_editSimButton->setEnabled(false);
    m_filterButton = naturalButton(QStringLiteral("Filter List..."));
    m_settingsButton = naturalButton(QStringLiteral("&Settings..."));

    connect(m_manageListsButton, &QPushButton::clicked, this, &AgePage::newListManagementDialog);
    connect(m_addSimButton, &QPushButton::clicked, this, &AgePage::newAddSimDialog);
    connect(m_editSimButton, &QPushButton::clicked, this, &AgePage::launchEditSimDialog);
    connect(m_filterButton, &QPushButton::clicked, this, &AgePage::newFilterDialog);
    connect(m_settingsButton, &QPushButton::clicked, this, &AgePage::newSettingsDialog);

    m_buttonRow = new QHBoxLayout;
    m_buttonRow->addWidget(m_manageListsButton, 0, Qt::AlignLeft);
    m_buttonRow->addWidget(m_addSimButton, 0, Qt::AlignRight);
    m_buttonRow->addWidget(m_editSimButton);
    m_buttonRow->addWidget(m_filterButton, 0, Qt::AlignLeft);
    m_buttonRow->addWidget(m_settingsButton, 0, Qt::AlignRight);

    m_proxyModel = new SimProxyModel(this);
    m_proxyModel->setDynamicSortFilter(true);

    m_simView = new SortedListView(m_proxyModel);

    m_addImageButton = naturalButton(QStringLiteral("Add Image"));
    m_addImageButton->setEnabled(false);
    m_imageLabel = new QLabel;
    // Names, notes and paths are the player's text, never markup.
    m_imageLabel->setTextFormat(Qt::PlainText);
    m_notesLabel = new QLabel;
    m_notesLabel->setTextFormat(Qt::PlainText);
    m_notesLabel->setText(QStringLiteral("Notes for "));
    m_notesLabel->setWordWrap(true);
    m_addNotesButton = naturalButton(QStringLiteral("Add Notes"));
    m_addNotesButton->setEnabled(false);

    m_mainLayout = new QVBoxLayout;
    m_mainLayout->addLayout(m_buttonRow);
    m_mainLayout->addWidget(m_simView);
    m_mainLayout->addWidget(m_addImageButton);
    m_mainLayout->addWidget(m_imageLabel);
    m_mainLayout->addWidget(m_notesLabel);
    m_mainLayout->addWidget(m_addNotesButton);
    setLayout(m_mainLayout);

    connect(m_simView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &AgePage::sendUpdate);
    connect(m_addNotesButton, &QPushButton::clicked, this, &AgePage::launchAddNotesDialog);
    connect(m_addImageButton, &QPushButton::clicked, this, &AgePage::getImageFile);
}

void AgePage::setModel(QStandardItemModel *model)
{
    m_proxyModel->setSourceModel(model);
    for (int column = 0; column < 4; ++column)
        m_simView->resizeColumnToContents(column);
    m_simView->show();
}

QStandardItemModel *AgePage::sourceModel() const
{
    return qobject_cast<QStandardItemModel *>(m_proxyModel->sourceModel());
}

void AgePage::sortList()
{
    // Through the view, so that the header shows the order too.
    m_simView->sortByColumn(0, Qt::AscendingOrder);
}

void AgePage::setRowButtonsEnabled(bool enabled)
{
    m_editSimButton->setEnabled(enabled);
    m_addNotesButton->setEnabled(enabled);
    m_addImageButton->setEnabled(enabled);
}

void AgePage::sendUpdate()
{
    const int row = m_simView->currentSourceRow();
    // No row is no sim: the sheet cannot look it up.
    setRowButtonsEnabled(row >= 0);
    if (row >= 0)
        emit update(row);
}

void AgePage::launchEditSimDialog()
{
    const int row = m_simView->currentSourceRow();
    if (row >= 0)
        emit newEditSimDialog(row);
}

void AgePage::launchAddNotesDialog()
{
    const int row = m_simView->currentSourceRow();
    if (row >= 0)
        emit newAddNotesDialog(row);
}

void AgePage::getImageFile()
{
    const int row = m_simView->currentSourceRow();
    if (row < 0)
        return;
    QFileDialog dialog(this, QString(), QString(), QString());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Images (*.jpg *.gif)"));
    dialog.setViewMode(QFileDialog::List);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString file = dialog.selectedFiles().first();
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    emit assignImageFile(row, file);
    emit update(row);
}

void AgePage::showNotes(QString notes)
{
    m_addNotesButton->setEnabled(true);
    QString name;
    const QModelIndex current = m_simView->selectionModel()->currentIndex();
    if (current.isValid())
        name = m_proxyModel->index(current.row(), 0).data().toString();
    m_notesLabel->setText(QStringLiteral("Notes for ") + name + QLatin1String(":\n\n") + notes);
}

void AgePage::showImage(QString file)
{
    m_addImageButton->setEnabled(true);
    // A label ignores a text equal to the one it holds, and a picture leaves
    // it the empty text: without clearing, the previous sim's picture would
    // stay for a sim without one.
    m_imageLabel->clear();
    const QPixmap picture(file);
    if (picture.isNull()) {
        m_imageLabel->setText(file);
        return;
    }
    m_imageLabel->setPixmap(picture.scaled(imageSide, imageSide, Qt::KeepAspectRatio,
                                         Qt::FastTransformation));
}

void AgePage::reset()
{
    setRowButtonsEnabled(false);
    m_notesLabel->setText(QStringLiteral("Notes for "));
    m_imageLabel->clear();
    m_simView->selectionModel()->reset();
}
