#pragma once
// The kit the settings dialogs are built from: fields that bind a control of the dialog's form
// (found by its object name) to an item of a settings message. The fields load from the
// computer's echo of the message, check every entry before anything is sent, and fill a new
// message of each kind to send, in the order the messages were bound.
//
// A dialog holds one CDialog_fields beside its form, so that it may derive from any settings
// dialog base.

#include "controls/number_edit.h"
#include "controls/radio_group.h"
#include "display/number_text.h"
#include "protocol/group_buffer.h"
#include "shell/program.h"
#include "shell/window_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

// One control bound to one item of settings message TMessage.
template <class TMessage>
class TDialog_field {
public:
    explicit TDialog_field(QWidget *control, QString caption)
        : m_control(control), m_caption(std::move(caption))
    {}
    virtual ~TDialog_field() = default;

    QWidget *control() const { return m_control; }
    // What the user knows the field as: its group box's title, or its own caption.
    const QString &caption() const { return m_caption; }

    // Shows the echo's item; what the echo does not hold, or holds as "no data", shows as such.
    virtual void load(TMessage &echo) = 0;
    // What is wrong with the entry, or nothing.
    virtual std::optional<QString> problem() const = 0;
    // Writes the entry into `message`, once every field passed its check.
    virtual void store(TMessage &message) const = 0;
    // Writes what the echo holds into `message` instead: for a field the user cannot see or
    // cannot edit, whose entry the user cannot mend. A field that never refuses its entry keeps
    // nothing.
    virtual void keep(TMessage &, TMessage &) const {}
    // Shown to the user (a page not in front counts as shown): only such fields are checked.
    bool shown() const { return ShownInWindow(*m_control); }

private:
    QWidget *m_control;
    QString m_caption;
};

// The fields of one message, and its echo.
class CMessage_fields {
public:
    virtual ~CMessage_fields() = default;
    // Loads every field, when the echo holds a copy from the computer.
    virtual void load() = 0;
    // The first field whose entry is wrong: its control and the text that says what is wrong.
    virtual std::optional<std::pair<QWidget *, QString>> first_problem() const = 0;
    // Fills a new message from the fields and sends it; the send's result.
    virtual long send() const = 0;
};

template <class TMessage>
class TMessage_fields : public CMessage_fields {
public:
    TMessage_fields(QWidget &dialog) : m_dialog(dialog) { Get(Program().messages, m_echo); }

    // A number of `decimals` decimals from `lowest` to `highest`, in a TNumberEdit.
    template <class TAccessor>
    void real(const char *control, TAccessor accessor, double lowest, double highest,
              int decimals, const QString &caption = {});
    // The X, Y and Z of a triple, in the controls named `prefix` followed by X, Y and Z.
    template <class TAccessor>
    void xyz(const char *prefix, TAccessor accessor, double lowest, double highest, int decimals);
    // A whole number from `lowest` to `highest`, in a TNumberEdit.
    template <class TAccessor>
    void integer(const char *control, TAccessor accessor, long long lowest, long long highest,
                 const QString &caption = {});
    // A choice of a TRadioGroup or a QComboBox: item i stands for code `codes[i]` (for code i
    // when `codes` is empty). A code without an item chooses `fallback`, or nothing, and then the
    // user must choose before anything is sent.
    template <class TAccessor>
    void choice(const char *control, TAccessor accessor, std::vector<long long> codes = {},
                std::optional<int> fallback = std::nullopt);
    // A QCheckBox over a bit.
    template <class TAccessor>
    void check(const char *control, TAccessor accessor);
    // A QLineEdit over a text field, as long as the field at most.
    template <class TAccessor>
    void text(const char *control, TAccessor accessor);
    // A field of the dialog's own kind, for entries no kind above reads.
    void add(std::unique_ptr<TDialog_field<TMessage>> field) { m_fields.push_back(std::move(field)); }

    void load() override
    {
        if (!m_echo->is_current()) {
            return;
        }
        for (const auto &field : m_fields) {
            field->load(*m_echo);
        }
    }

    std::optional<std::pair<QWidget *, QString>> first_problem() const override
    {
        for (const auto &field : m_fields) {
            if (const auto problem = field->problem(); problem && field->shown() &&
                                                        field->control()->isEnabled()) {
                return std::pair{field->control(), field->caption() + ": " + *problem};
            }
        }
        return std::nullopt;
    }

    long send() const override
    {
        TMessage message;
        for (const auto &field : m_fields) {
            if (field->problem()) {
                field->keep(message, *m_echo);
            } else {
                field->store(message);
            }
        }
        return Program().controller != nullptr ? Program().controller->send_message(message) : 0;
    }

    TMessage &echo() { return *m_echo; }

private:
    template <class TControl>
    TControl *control_named(const char *name) const;
    QString caption_of(QWidget *control, const QString &own) const;

    QWidget &m_dialog;
    TMessage *m_echo = nullptr;
    std::vector<std::unique_ptr<TDialog_field<TMessage>>> m_fields;
};

class CDialog_fields {
public:
    // `dialog` holds the controls the fields are bound to.
    explicit CDialog_fields(QWidget &dialog) : m_dialog(dialog) {}

    // The fields of message TMessage; messages are sent in the order of their first call.
    template <class TMessage>
    TMessage_fields<TMessage> &message();

    // Loads every field from the computer's echoes.
    void load();
    // Checks every field of every message; the first wrong one gets the focus and a box says
    // what is wrong with it. False when one was.
    bool check();
    // Fills and sends every message, in order. Call check() first.
    void send() const;

private:
    QWidget &m_dialog;
    std::vector<std::pair<const void *, std::unique_ptr<CMessage_fields>>> m_messages;
};

// --- field kinds -----------------------------------------------------------------------------

namespace dialog_field_detail {

// The item of `echo` copied into `message`, when the echo holds it.
template <class TMessage, class TAccessor>
void copy_item(const TAccessor &accessor, TMessage &message, TMessage &echo)
{
    auto &kept = std::invoke(accessor, echo);
    if (!echo.holds(kept)) {
        return;
    }
    if constexpr (requires { kept.text(); }) {
        std::invoke(accessor, message).set(kept.text());
    } else {
        std::invoke(accessor, message).set(kept.get());
    }
}

QString not_available();
QString range_problem(double lowest, double highest);
QString choice_problem();

template <class TMessage, class TAccessor>
class TReal_field : public TDialog_field<TMessage> {
public:
    TReal_field(TNumberEdit *edit, QString caption, TAccessor accessor, double lowest,
                double highest, int decimals)
        : TDialog_field<TMessage>(edit, std::move(caption)),
          m_edit(edit),
          m_accessor(std::move(accessor)),
          m_lowest(lowest),
          m_highest(highest),
          m_decimals(decimals)
    {
        edit->SetRangeMin(lowest);
        edit->SetRangeMax(highest);
        edit->SetRangeEnable(true);
    }
    void load(TMessage &echo) override
    {
        auto &item = std::invoke(m_accessor, echo);
        m_edit->setText(echo.has_value(item) ? FixedText(item.get(), m_decimals)
                                                : not_available());
    }
    std::optional<QString> problem() const override
    {
        const std::optional<double> value = ParseNumber(m_edit->text());
        if (!value || *value < m_lowest || *value > m_highest) {
            return range_problem(m_lowest, m_highest);
        }
        return std::nullopt;
    }
    void store(TMessage &message) const override
    {
        std::invoke(m_accessor, message).set(*ParseNumber(m_edit->text()));
    }
    void keep(TMessage &message, TMessage &echo) const override
    {
        copy_item(m_accessor, message, echo);
    }

protected:
    TNumberEdit *m_edit;
    TAccessor m_accessor;
    double m_lowest;
    double m_highest;
    int m_decimals;
};

template <class TMessage, class TAccessor>
class TInteger_field : public TReal_field<TMessage, TAccessor> {
public:
    using TReal_field<TMessage, TAccessor>::TReal_field;
    void store(TMessage &message) const override
    {
        auto &item = std::invoke(this->m_accessor, message);
        using T = std::remove_cvref_t<decltype(item.get())>;
        item.set(static_cast<T>(std::llround(*ParseNumber(this->m_edit->text()))));
    }
};

// Which item of a radio group or combo box is chosen.
class CChosen {
public:
    explicit CChosen(QWidget *control)
        : m_group(qobject_cast<TRadioGroup *>(control)), m_combo(qobject_cast<QComboBox *>(control))
    {}
    int index() const { return m_group != nullptr ? m_group->ItemIndex() : m_combo->currentIndex(); }
    int count() const
    {
        return m_group != nullptr ? static_cast<int>(m_group->Items().size()) : m_combo->count();
    }
    void choose(int index) const
    {
        if (m_group != nullptr) {
            m_group->setItemIndex(index);
        } else {
            m_combo->setCurrentIndex(index < m_combo->count() ? index : -1);
        }
    }

private:
    TRadioGroup *m_group;
    QComboBox *m_combo;
};

template <class TMessage, class TAccessor>
class TChoice_field : public TDialog_field<TMessage> {
public:
    TChoice_field(QWidget *control, QString caption, TAccessor accessor,
                  std::vector<long long> codes, std::optional<int> fallback)
        : TDialog_field<TMessage>(control, std::move(caption)),
          m_chosen(control),
          m_accessor(std::move(accessor)),
          m_codes(std::move(codes)),
          m_fallback(fallback)
    {}
    void load(TMessage &echo) override
    {
        auto &item = std::invoke(m_accessor, echo);
        int index = -1;
        if (echo.has_value(item)) {
            const long long code = static_cast<long long>(item.get());
            for (int i = 0; i < m_chosen.count() && index < 0; ++i) {
                if (code_of(i) == code) {
                    index = i;
                }
            }
            if (index < 0 && m_fallback) {
                index = *m_fallback;
            }
        }
        m_chosen.choose(index);
    }
    std::optional<QString> problem() const override
    {
        if (m_chosen.index() < 0) {
            return choice_problem();
        }
        return std::nullopt;
    }
    void store(TMessage &message) const override
    {
        auto &item = std::invoke(m_accessor, message);
        using T = std::remove_cvref_t<decltype(item.get())>;
        item.set(static_cast<T>(code_of(m_chosen.index())));
    }
    void keep(TMessage &message, TMessage &echo) const override
    {
        copy_item(m_accessor, message, echo);
    }

private:
    long long code_of(int index) const
    {
        return m_codes.empty() ? index : m_codes[static_cast<std::size_t>(index)];
    }

    CChosen m_chosen;
    TAccessor m_accessor;
    std::vector<long long> m_codes;
    std::optional<int> m_fallback;
};

template <class TMessage, class TAccessor>
class TCheck_field : public TDialog_field<TMessage> {
public:
    TCheck_field(QCheckBox *box, QString caption, TAccessor accessor)
        : TDialog_field<TMessage>(box, std::move(caption)), m_box(box), m_accessor(std::move(accessor))
    {}
    void load(TMessage &echo) override
    {
        auto &item = std::invoke(m_accessor, echo);
        m_box->setChecked(echo.holds(item) && item.get());
    }
    std::optional<QString> problem() const override { return std::nullopt; }
    void store(TMessage &message) const override
    {
        std::invoke(m_accessor, message).set(m_box->isChecked());
    }

private:
    QCheckBox *m_box;
    TAccessor m_accessor;
};

template <class TMessage, class TAccessor>
class TText_field : public TDialog_field<TMessage> {
public:
    TText_field(QLineEdit *edit, QString caption, TAccessor accessor, int length)
        : TDialog_field<TMessage>(edit, std::move(caption)), m_edit(edit), m_accessor(std::move(accessor))
    {
        edit->setMaxLength(length);
    }
    void load(TMessage &echo) override
    {
        auto &item = std::invoke(m_accessor, echo);
        const std::string_view text = item.text();
        m_edit->setText(echo.holds(item) ? QString::fromLatin1(text.data(),
                                                                static_cast<qsizetype>(text.size()))
                                         : QString());
    }
    std::optional<QString> problem() const override { return std::nullopt; }
    void store(TMessage &message) const override
    {
        std::invoke(m_accessor, message).set(m_edit->text().toLatin1().toStdString());
    }

private:
    QLineEdit *m_edit;
    TAccessor m_accessor;
};

} // namespace dialog_field_detail

// --- binding ---------------------------------------------------------------------------------

template <class TMessage>
template <class TControl>
TControl *TMessage_fields<TMessage>::control_named(const char *name) const
{
    auto *control = m_dialog.findChild<TControl *>(name);
    if (control == nullptr) {
        qFatal("settings dialog %s has no control %s of the kind its field needs",
               qPrintable(m_dialog.objectName()), name);
    }
    return control;
}

QString FieldCaption(QWidget *control, const QString &own);

template <class TMessage>
QString TMessage_fields<TMessage>::caption_of(QWidget *control, const QString &own) const
{
    return FieldCaption(control, own);
}

template <class TMessage>
template <class TAccessor>
void TMessage_fields<TMessage>::real(const char *control, TAccessor accessor, double lowest,
                                     double highest, int decimals, const QString &caption)
{
    auto *edit = control_named<TNumberEdit>(control);
    m_fields.push_back(
        std::make_unique<dialog_field_detail::TReal_field<TMessage, TAccessor>>(
            edit, caption_of(edit, caption), std::move(accessor), lowest, highest, decimals));
}

template <class TMessage>
template <class TAccessor>
void TMessage_fields<TMessage>::xyz(const char *prefix, TAccessor accessor, double lowest,
                                    double highest, int decimals)
{
    static constexpr const char *axes[] = {"X", "Y", "Z"};
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const std::string name = std::string(prefix) + axes[axis];
        auto *edit = control_named<TNumberEdit>(name.c_str());
        auto component = [accessor, axis](TMessage &message) -> auto & {
            return std::invoke(accessor, message).component(axis);
        };
        m_fields.push_back(
            std::make_unique<dialog_field_detail::TReal_field<TMessage, decltype(component)>>(
                edit, caption_of(edit, QString()) + " " + axes[axis], component, lowest, highest,
                decimals));
    }
}

template <class TMessage>
template <class TAccessor>
void TMessage_fields<TMessage>::integer(const char *control, TAccessor accessor,
                                        long long lowest, long long highest,
                                        const QString &caption)
{
    auto *edit = control_named<TNumberEdit>(control);
    m_fields.push_back(
        std::make_unique<dialog_field_detail::TInteger_field<TMessage, TAccessor>>(
            edit, caption_of(edit, caption), std::move(accessor), static_cast<double>(lowest),
            static_cast<double>(highest), 0));
}

template <class TMessage>
template <class TAccessor>
void TMessage_fields<TMessage>::choice(const char *control, TAccessor accessor,
                                       std::vector<long long> codes, std::optional<int> fallback)
{
    auto *chooser = control_named<QWidget>(control);
    m_fields.push_back(std::make_unique<dialog_field_detail::TChoice_field<TMessage, TAccessor>>(
        chooser, caption_of(chooser, QString()), std::move(accessor), std::move(codes), fallback));
}

template <class TMessage>
template <class TAccessor>
void TMessage_fields<TMessage>::check(const char *control, TAccessor accessor)
{
    auto *box = control_named<QCheckBox>(control);
    m_fields.push_back(std::make_unique<dialog_field_detail::TCheck_field<TMessage, TAccessor>>(
        box, caption_of(box, box->text()), std::move(accessor)));
}

template <class TMessage>
template <class TAccessor>
void TMessage_fields<TMessage>::text(const char *control, TAccessor accessor)
{
    auto *edit = control_named<QLineEdit>(control);
    TMessage layout;
    const int length = static_cast<int>(std::invoke(accessor, layout).size());
    m_fields.push_back(std::make_unique<dialog_field_detail::TText_field<TMessage, TAccessor>>(
        edit, caption_of(edit, QString()), std::move(accessor), length));
}

template <class TMessage>
TMessage_fields<TMessage> &CDialog_fields::message()
{
    static const char tag = 0; // one address per message class
    const void *key = &tag;
    for (auto &[known, fields] : m_messages) {
        if (known == key) {
            return static_cast<TMessage_fields<TMessage> &>(*fields);
        }
    }
    m_messages.emplace_back(key, std::make_unique<TMessage_fields<TMessage>>(m_dialog));
    return static_cast<TMessage_fields<TMessage> &>(*m_messages.back().second);
}
