#pragma once
// The base of every window: a frame around the content, a Close button, and the four data hooks
// through which the receivers hand every group and message to every window.

#include "net/data_windows.h"

#include <QDialog>
#include <QMap>
#include <QString>

class QFrame;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

class TFormKoruBase : public QDialog, public IData_window {
    Q_OBJECT
public:
    // `name` is the window's component name: its object name and its key in the settings store.
    TFormKoruBase(const QString &name, QWidget *parent = nullptr);
    ~TFormKoruBase() override;

    // The frame the window's content goes into.
    QFrame *BorderBevel() const { return m_bevel; }
    QVBoxLayout *content() const { return m_content; }
    QPushButton *buttonClose() const { return m_close; }
    bool shown_by_show_view() const { return m_shown_by_show_view; }

    // Brings what the controls show up to date with the data taken in, for a window that fills
    // its controls later than the data comes.
    virtual void RefreshDisplay() {}
    // What the window paints rather than puts in controls (a plot, a dial), by name, as text.
    virtual QMap<QString, QString> PaintedValues() const { return {}; }

protected:
    // The row of buttons under the frame, right-aligned.
    QHBoxLayout *button_row() const { return m_buttons; }
    // For a window shown by other means that should still rescale like a shown view.
    void mark_shown_by_show_view() { m_shown_by_show_view = true; }
    void showEvent(QShowEvent *event) override;

private:
    friend void ShowView(TFormKoruBase &view);

    QFrame *m_bevel;
    QVBoxLayout *m_content;
    QHBoxLayout *m_buttons;
    QPushButton *m_close;
    bool m_shown_by_show_view = false;
};

// Shows a view without making it modal: restored if minimized, sized to its content on its first
// showing, brought to the front.
void ShowView(TFormKoruBase &view);
