#include "dialogs/FilterDialog.h"

#include "dialogs/FilterTable.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMetaMethod>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// Room the dialog leaves on its screen: below it for a taskbar, even where
// the screen reports none, and above it for its title bar.
constexpr int kTaskbar = 40;
constexpr int kTitleBar = 40;

} // namespace

FilterDialog::FilterDialog()
    : QDialog()
{
    const QMetaMethod toggled = QMetaMethod::fromSignal(&QCheckBox::toggled);
    m_mainLayout = new QVBoxLayout;
    for (const FilterTable::GroupInfo &group : FilterTable::groups()) {
        QLayout *layout = nullptr;
        if (group.columns > 0)
            layout = new QGridLayout;
        else
            layout = new QHBoxLayout;
        for (const FilterTable::Box &entry : FilterTable::boxesOf(group.group)) {
            auto *box = new QCheckBox(entry.label);
            box->setObjectName(QLatin1String(entry.signal));
            // Checked before it is connected, so that building emits nothing.
            box->setChecked(true);
            const QByteArray signature =
                QMetaObject::normalizedSignature(QByteArray(entry.signal) + "(bool)");
            const int signal = staticMetaObject.indexOfSignal(signature.constData());
            Q_ASSERT_X(signal >= 0, "FilterDialog", signature.constData());
            connect(box, toggled, this, staticMetaObject.method(signal));
            if (auto *grid = qobject_cast<QGridLayout *>(layout))
                grid->addWidget(box, entry.bit / group.columns, entry.bit % group.columns);
            else
                layout->addWidget(box);
            m_boxes.append(box);
        }
        auto *groupBox = new QGroupBox(group.title);
        groupBox->setLayout(layout);
        m_groupBoxes.append(groupBox);
        m_mainLayout->addWidget(groupBox);
    }

    // The seven groups stand taller than a laptop's screen: they scroll, so
    // that the last boxes can be reached on any screen. Nothing scrolls
    // sideways; the dialog is as wide as the boxes and the scroll bar.
    auto *groups = new QWidget;
    groups->setLayout(m_mainLayout);
    m_scrollArea = new QScrollArea;
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setWidget(groups);
    m_scrollArea->setMinimumWidth(groups->sizeHint().width()
                                  + m_scrollArea->verticalScrollBar()->sizeHint().width());
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);
    setLayout(layout);

    // Every group at once where the screen has room for them, else as tall
    // as it has room for.
    const QScreen *screen = this->screen();
    const int room = qMin(screen->availableGeometry().height(),
                          screen->geometry().height() - kTaskbar) - kTitleBar;
    resize(sizeHint().width(), qMin(groups->sizeHint().height(), room));
}
