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

    manageListsButton = naturalButton(tr("&Manage Sim Lists..."));
    addSimButton = naturalButton(tr("Add &New Sim"));
    editSimButton = naturalButton(tr("Edit Selected Sim"));
    editSimButton->setEnabled(false);
    filterButton = naturalButton(tr("Filter List..."));
    settingsButton = naturalButton(tr("&Settings..."));

    connect(manageListsButton, &QPushButton::clicked, this, &AgePage::newListManagementDialog);
    connect(addSimButton, &QPushButton::clicked, this, &AgePage::newAddSimDialog);
    connect(editSimButton, &QPushButton::clicked, this, &AgePage::launchEditSimDialog);
    connect(filterButton, &QPushButton::clicked, this, &AgePage::newFilterDialog);
    connect(settingsButton, &QPushButton::clicked, this, &AgePage::newSettingsDialog);

    buttonRow = new QHBoxLayout;
    buttonRow->addWidget(manageListsButton, 0, Qt::AlignLeft);
    buttonRow->addWidget(addSimButton, 0, Qt::AlignRight);
    buttonRow->addWidget(editSimButton);
    buttonRow->addWidget(filterButton, 0, Qt::AlignLeft);
    buttonRow->addWidget(settingsButton, 0, Qt::AlignRight);

    proxyModel = new SimProxyModel(this);
    proxyModel->setDynamicSortFilter(true);

    simView = new SortedListView(proxyModel);

    addImageButton = naturalButton(tr("Add Image"));
    addImageButton->setEnabled(false);
    imageLabel = new QLabel;
    // Names, notes and paths are the player's text, never markup.
    imageLabel->setTextFormat(Qt::PlainText);
    notesLabel = new QLabel;
    notesLabel->setTextFormat(Qt::PlainText);
    notesLabel->setText(tr("Notes for "));
    notesLabel->setWordWrap(true);
    addNotesButton = naturalButton(tr("Add Notes"));
    addNotesButton->setEnabled(false);

    mainLayout = new QVBoxLayout;
    mainLayout->addLayout(buttonRow);
    mainLayout->addWidget(simView);
    mainLayout->addWidget(addImageButton);
    mainLayout->addWidget(imageLabel);
    mainLayout->addWidget(notesLabel);
    mainLayout->addWidget(addNotesButton);
    setLayout(mainLayout);

    connect(simView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &AgePage::sendUpdate);
    connect(addNotesButton, &QPushButton::clicked, this, &AgePage::launchAddNotesDialog);
    connect(addImageButton, &QPushButton::clicked, this, &AgePage::getImageFile);
}

void AgePage::setModel(QStandardItemModel *model)
{
    proxyModel->setSourceModel(model);
    for (int column = 0; column < 4; ++column)
        simView->resizeColumnToContents(column);
    simView->show();
}

QStandardItemModel *AgePage::sourceModel() const
{
    return qobject_cast<QStandardItemModel *>(proxyModel->sourceModel());
}

void AgePage::sortList()
{
    // Through the view, so that the header shows the order too.
    simView->sortByColumn(0, Qt::AscendingOrder);
}

void AgePage::setRowButtonsEnabled(bool enabled)
{
    editSimButton->setEnabled(enabled);
    addNotesButton->setEnabled(enabled);
    addImageButton->setEnabled(enabled);
}

void AgePage::sendUpdate()
{
    const int row = simView->currentSourceRow();
    // No row is no sim: the sheet cannot look it up.
    setRowButtonsEnabled(row >= 0);
    if (row >= 0)
        emit update(row);
}

void AgePage::launchEditSimDialog()
{
    const int row = simView->currentSourceRow();
    if (row >= 0)
        emit newEditSimDialog(row);
}

void AgePage::launchAddNotesDialog()
{
    const int row = simView->currentSourceRow();
    if (row >= 0)
        emit newAddNotesDialog(row);
}

void AgePage::getImageFile()
{
    const int row = simView->currentSourceRow();
    if (row < 0)
        return;
    QFileDialog dialog(this, QString(), QString(), QString());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(tr("Images (*.jpg *.gif)"));
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
    addNotesButton->setEnabled(true);
    QString name;
    const QModelIndex current = simView->selectionModel()->currentIndex();
    if (current.isValid())
        name = proxyModel->index(current.row(), 0).data().toString();
    notesLabel->setText(tr("Notes for ") + name + QLatin1String(":\n\n") + notes);
}

void AgePage::showImage(QString file)
{
    addImageButton->setEnabled(true);
    const QPixmap picture(file);
    if (picture.isNull()) {
        imageLabel->setText(file);
        return;
    }
    imageLabel->setPixmap(picture.scaled(imageSide, imageSide, Qt::KeepAspectRatio,
                                         Qt::FastTransformation));
}

void AgePage::reset()
{
    setRowButtonsEnabled(false);
    notesLabel->setText(tr("Notes for "));
    imageLabel->clear();
    simView->selectionModel()->reset();
}
