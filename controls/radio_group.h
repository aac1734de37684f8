#pragma once
// A captioned group of radio buttons, one per item, of which one or none is chosen.

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

#include <vector>

class QRadioButton;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
    // Set from the forms' designs, hence the usual setter names.
    Q_PROPERTY(QStringList Items READ Items WRITE setItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE setItemIndex)

public:
    explicit TRadioGroup(QWidget *parent = nullptr);

    QStringList Items() const { return m_items; }
    void setItems(const QStringList &items);
    // The chosen item, or -1 when none is.
    int ItemIndex() const;
    // Chooses item `index`; any index outside the items chooses none.
    void setItemIndex(int index);
    QRadioButton *button(int index) const;

signals:
    // The user chose an item.
    void Clicked(int index);

private:
    QStringList m_items;
    QButtonGroup m_buttons;
    int m_pending_index = -1; // chosen before the items were given
};
