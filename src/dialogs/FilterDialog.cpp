#include "dialogs/FilterDialog.h"

#include "dialogs/FilterTable.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMetaMethod>
#include <QVBoxLayout>

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
    setLayout(m_mainLayout);
}
