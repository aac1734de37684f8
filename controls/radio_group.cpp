#include "controls/radio_group.h"

#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(QWidget *parent) : QGroupBox(parent)
{
    new QVBoxLayout(this);
    connect(&m_buttons, &QButtonGroup::idClicked, this, &TRadioGroup::Clicked);
}

void TRadioGroup::setItems(const QStringList &items)
{
    for (QAbstractButton *old : m_buttons.buttons()) {
        m_buttons.removeButton(old);
        delete old;
    }
    m_items = items;
    for (int index = 0; index < items.size(); ++index) {
        auto *button = new QRadioButton(items[index], this);
        m_buttons.addButton(button, index);
        layout()->addWidget(button);
    }
    setItemIndex(m_pending_index);
}

int TRadioGroup::ItemIndex() const
{
    return m_buttons.checkedId();
}

QRadioButton *TRadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton *>(m_buttons.button(index));
}

void TRadioGroup::setItemIndex(int index)
{
    m_pending_index = index;
    if (QAbstractButton *chosen = m_buttons.button(index)) {
        chosen->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked: it lets go only while not exclusive.
    m_buttons.setExclusive(false);
    for (QAbstractButton *button : m_buttons.buttons()) {
        button->setChecked(false);
    }
    m_buttons.setExclusive(true);
}
