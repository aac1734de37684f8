#include "controls/number_edit.h"

#include "controls/field_exit.h"
#include "platform/user_feedback.h"
#include "display/number_text.h"
#include "display/separators.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <cmath>

namespace {

bool is_sign(QChar c)
{
    return c == QLatin1Char('-') || c == QLatin1Char('+');
}

bool is_digit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

TNumberEdit::TNumberEdit(EKind kind, QWidget *parent) : QLineEdit(parent), m_kind(kind)
{
    setText(QStringLiteral("0"));
    connect(this, &QLineEdit::textChanged, this, &TNumberEdit::text_changed);
}

bool TNumberEdit::key_allowed(QChar key) const
{
    if (key.unicode() < 32 || key.unicode() == 127) {
        return true; // control characters: Enter, Backspace, …
    }
    // The text that stays when the key replaces the selection, and where the key goes.
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    QString rest = text();
    rest.remove(start, hasSelectedText() ? static_cast<int>(selectedText().size()) : 0);
    const bool before_sign = start == 0 && !rest.isEmpty() && is_sign(rest.front());

    if (is_digit(key)) {
        return !before_sign;
    }
    if (is_sign(key)) {
        return start == 0 && !rest.contains(QLatin1Char('-')) && !rest.contains(QLatin1Char('+'));
    }
    const QChar separator = DecimalSeparator();
    if (m_kind == EKind::real && key == separator) {
        return !before_sign && !rest.contains(separator);
    }
    return false;
}

void TNumberEdit::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool shortcut =
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (!shortcut && typed.size() == 1 && !key_allowed(typed.front())) {
        event->accept();
        Beep();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool TNumberEdit::acceptable(const QString &text) const
{
    const QChar separator = DecimalSeparator();
    bool separator_seen = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (is_digit(c) || (is_sign(c) && i == 0)) {
            continue;
        }
        if (m_kind == EKind::real && c == separator && !separator_seen) {
            separator_seen = true;
            continue;
        }
        return false;
    }
    return true;
}

void TNumberEdit::text_changed(const QString &text)
{
    // Only what the user typed, pasted or dropped is checked: a text the program loads for
    // display (such as "N/A") is shown as it is, without a beep.
    if (isModified() && !acceptable(text)) {
        Beep();
        setText(QString()); // reports the empty text through this handler
        return;
    }
    emit Changed(text);
}

QString TNumberEdit::default_text() const
{
    if (!m_range_enable || (m_range_min <= 0.0 && 0.0 <= m_range_max)) {
        return QStringLiteral("0");
    }
    return PlainNumberText(m_kind == EKind::integer ? std::ceil(m_range_min) : m_range_min);
}

bool TNumberEdit::CheckExit()
{
    // A text that is not a number can only have been loaded by the program ("N/A"); the field
    // holds no value then, as when it is empty.
    std::optional<double> value = ParseNumber(text());
    if (!value) {
        if (m_allow_empty) {
            if (!text().trimmed().isEmpty()) {
                setText(QString());
            }
            return true;
        }
        setText(default_text());
        value = ParseNumber(text());
    }
    if (m_range_enable && value && (*value < m_range_min || *value > m_range_max)) {
        ShowMessageBox({.parent = this,
                        .icon = QMessageBox::Critical,
                        .caption = QStringLiteral("Value out of Range"),
                        .text = QStringLiteral("Value must be in the range ") +
                                PlainNumberText(m_range_min) + QStringLiteral(" to ") +
                                PlainNumberText(m_range_max) + QLatin1Char('.')});
        return false;
    }
    return true;
}

void TNumberEdit::focusOutEvent(QFocusEvent *event)
{
    // A refused value stays for correction; nothing else hears of the exit.
    const EField_exit exit = CheckFieldExit(*this, *event, [this] { return CheckExit(); });
    if (exit != EField_exit::refused) {
        QLineEdit::focusOutEvent(event);
    }
    if (exit == EField_exit::accepted) {
        emit Exited();
    }
}
