#pragma once
// The common part of the numeric entry fields: refuses characters that cannot belong to a number,
// empties a typed or pasted text that is not one, and on leaving the field puts in a default for
// an empty field and enforces an optional range with a message box.

#include <QLineEdit>

class TNumberEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(bool AllowEmpty READ AllowEmpty WRITE SetAllowEmpty)
    Q_PROPERTY(double RangeMin READ RangeMin WRITE SetRangeMin)
    Q_PROPERTY(double RangeMax READ RangeMax WRITE SetRangeMax)
    Q_PROPERTY(bool RangeEnable READ RangeEnable WRITE SetRangeEnable)

public:
    bool AllowEmpty() const { return m_allow_empty; }
    void SetAllowEmpty(bool allow) { m_allow_empty = allow; }
    double RangeMin() const { return m_range_min; }
    void SetRangeMin(double value) { m_range_min = value; }
    double RangeMax() const { return m_range_max; }
    void SetRangeMax(double value) { m_range_max = value; }
    bool RangeEnable() const { return m_range_enable; }
    void SetRangeEnable(bool enable) { m_range_enable = enable; }

    // The exit check without the focus change: puts the default into an empty field and tells
    // whether the value may leave the field (showing the range box when it may not).
    bool CheckExit();

signals:
    // The text changed and passed the change check (a text loaded by the program always passes).
    void Changed(const QString &text);
    // The focus left the field with an accepted value.
    void Exited();

protected:
    enum class EKind { real, integer };
    TNumberEdit(EKind kind, QWidget *parent);

    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool key_allowed(QChar key) const;
    bool acceptable(const QString &text) const;
    void text_changed(const QString &text);
    QString default_text() const;

    EKind m_kind;
    bool m_allow_empty = false;
    double m_range_min = 0.0;
    double m_range_max = 0.0;
    bool m_range_enable = false;
};
