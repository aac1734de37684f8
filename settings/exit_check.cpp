#include "settings/exit_check.h"

#include "platform/user_feedback.h"
#include "resources/texts.h"

#include <QEvent>
#include <QFocusEvent>

namespace {

class CExit_check : public QObject {
public:
    CExit_check(QLineEdit &entry, std::function<std::optional<QString>()> check)
        : QObject(&entry), m_entry(entry), m_check(std::move(check))
    {
        entry.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::FocusOut || m_running) {
            return false;
        }
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
            return false;
        }
        m_running = true;
        const std::optional<QString> problem = m_check();
        const bool accepted = !problem;
        if (problem) {
            ShowMessageBox({.parent = m_entry.window(),
                            .icon = QMessageBox::Warning,
                            .caption = QString::fromLatin1(application_title),
                            .text = *problem});
            m_entry.setFocus(Qt::OtherFocusReason);
        }
        m_running = false;
        return !accepted; // the entry keeps its selection: it never lost the focus
    }

private:
    QLineEdit &m_entry;
    std::function<std::optional<QString>()> m_check;
    bool m_running = false;
};

} // namespace

void CheckOnExit(QLineEdit &entry, std::function<std::optional<QString>()> check)
{
    new CExit_check(entry, std::move(check));
}
