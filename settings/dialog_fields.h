#pragma once
// The kit the settings dialogs are built from: fields that bind a control of the dialog's form
// (found by its object name) to an item of a settings message. The fields load from the
// computer's echo of the message, check every entry before anything is sent, and fill a new
// message of each kind to send, in the order the messages were bound.
//
// A dialog holds one CDialog_fields beside its form, so that it may derive from any settings
// dialog base.

#include "controls/address_edit.h"
#include "controls/number_edit.h"
#include "controls/radio_group.h"
#include "controls/spin_float_edit.h"
#include "display/number_text.h"
#include "protocol/group_buffer.h"
#include "protocol/group_copy.h"
#include "protocol/group_list_message.h"
#include "shell/program.h"
#include "shell/window_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QString>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

// What the user knows a field's control as: the caption given, else the text of the label
// whose buddy it is, else the title of the group box it is, or is in; without shortcut marks.
QString FieldCaption(const QWidget &control, const QString &own);

// One control bound to one item of settings message TMessage.
template <class TMessage>
class TDialog_field {
public:
    explicit TDialog_field(QWidget *control, QString caption)
        : m_control(control), m_caption(std::move(caption))
    {}
    virtual ~TDialog_field() = default;

    QWidget *control() const { return m_control; }
    // What the user knows the field as, as its label says now.
    QString caption() const { return FieldCaption(*m_control, m_caption); }

    // Shows the echo's item; what the echo does not hold, or holds as "no data", shows as such.
    virtual void load(TMessage &echo) = 0;
    // What is wrong with the entry, or nothing.
    virtual std::optional<QString> problem() const = 0;
    // Writes the entry into `message`, once every field passed its check.
    virtual void store(TMessage &message) const = 0;

    // Writes what the echo holds into `message` instead: for a field the user cannot see, whose
    // entry the user cannot mend. A field that never refuses its entry keeps nothing.
    virtual void keep(TMessage &, TMessage &) const {}
    // In use: shown to the user (a page not in front counts as shown) and enabled. A dialog's
    // rules for dependent controls hide or disable what does not apply; only fields in use are
    // checked.
    bool in_use() const { return ShownInWindow(*m_control) && m_control->isEnabled(); }
    // While the control is not in use, `value` is sent in place of its entry.
    void send_when_unused(double value) { m_unused_value = value; }

    // Writes the entry into `message`; while not in use, the value named for that; an entry the
    // user cannot mend, as the echo holds it.
    void fill(TMessage &message, TMessage &echo) const
    {
        if (m_unused_value && !in_use()) {
            store_number(message, *m_unused_value);
        } else if (problem()) {
            keep(message, echo);
        } else {
            store(message);
        }
    }

protected:
    // Writes `value` into the item, for fields whose item is a number.
    virtual void store_number(TMessage &, double) const {}

private:
    QWidget *m_control;
    QString m_caption;
    std::optional<double> m_unused_value;
};

// How the items of a radio group or combo box stand for codes of the item they are bound to.
struct SChoice {
    // Item i stands for codes[i]; when empty, for the code its data holds (a combo box whose
    // items carry their codes), or else for code i.
    std::vector<long long> codes = {};
    // The item chosen for a code that no item stands for; without it, none is chosen.
    std::optional<int> fallback = std::nullopt;
    // The code sent while no item is chosen; without it the user must choose before anything is
    // sent.
    std::optional<long long> unchosen = std::nullopt;
    // Further codes and the item each chooses when received.
    std::vector<std::pair<long long, int>> aliases = {};
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

    using Field = TDialog_field<TMessage>;

    // A number of `decimals` decimals within the range of a TNumberEdit (or of the entry of a
    // TSpinFloatEdit), set here from `lowest` to `highest`; a dialog rule may change the range.
    template <class TAccessor>
    Field &real(const char *control, TAccessor accessor, double lowest, double highest,
                int decimals);
    // The X, Y and Z of a triple, in the controls named `prefix` followed by X, Y and Z.
    template <class TAccessor>
    void xyz(const char *prefix, TAccessor accessor, double lowest, double highest, int decimals);
    // A whole number from `lowest` to `highest`, in a TNumberEdit.
    template <class TAccessor>
    Field &integer(const char *control, TAccessor accessor, long long lowest, long long highest);
    // A choice of a TRadioGroup or a QComboBox, its items standing for codes as `codes` says.
    template <class TAccessor>
    Field &choice(const char *control, TAccessor accessor, SChoice codes = {});
    // A QCheckBox over a bit, or over a number that is 1 when checked and 0 when not.
    template <class TAccessor>
    Field &check(const char *control, TAccessor accessor);
    // A QLineEdit over a text field: the text's UTF-8 bytes, as many as the field holds at most.
    template <class TAccessor>
    Field &text(const char *control, TAccessor accessor);
    // A TAddressEdit over the four bytes of an IPv4 address, most significant first; `parts`
    // gives the four items in that order.
    template <class TAccessor>
    Field &address(const char *control, TAccessor parts);
    // A check list (a QListWidget of checkable lines) over a bit field: line i is bit
    // `line_bits[i]`. Bits without a line are sent clear.
    template <class TAccessor>
    Field &bits(const char *control, TAccessor accessor, std::vector<unsigned> line_bits);
    // A check list over the message's list of groups: every line's data holds its group number.
    // The checked lines are sent in list order; more than the list has room for are refused.
    Field &group_list(const char *control)
        requires std::derived_from<TMessage, CGroup_list_message>;

    // A field of the dialog's own kind, for entries no kind above reads.
    Field &add_own(std::unique_ptr<Field> field)
    {
        m_fields.push_back(std::move(field));
        return *m_fields.back();
    }

    // Sets what no field sets, in every message sent, after the fields have filled it.
    void before_sending(std::function<void(TMessage &)> complete)
    {
        m_complete = std::move(complete);
    }

    void load() override
    {
        if (!m_echo->is_current()) {
            return;
        }
        if constexpr (Lays_out_received<TMessage>) {
            m_echo->lay_out_received();
        }
        for (const auto &field : m_fields) {
            field->load(*m_echo);
        }
    }

    std::optional<std::pair<QWidget *, QString>> first_problem() const override
    {
        for (const auto &field : m_fields) {
            if (const auto problem = field->problem(); problem && field->in_use()) {
                return std::pair{field->control(), field->caption() + ": " + *problem};
            }
        }
        return std::nullopt;
    }

    long send() const override
    {
        TMessage message;
        for (const auto &field : m_fields) {
            field->fill(message, *m_echo);
        }
        if (m_complete) {
            m_complete(message);
        }
        return Program().controller != nullptr ? Program().controller->send_message(message) : 0;
    }

    TMessage &echo() { return *m_echo; }

private:
    template <class TControl>
    TControl *control_named(const char *name) const;
    TNumberEdit *number_entry_named(const char *name) const;
    template <class TField, class... Arguments>
    Field &add(Arguments &&...arguments)
    {
        m_fields.push_back(std::make_unique<TField>(std::forward<Arguments>(arguments)...));
        return *m_fields.back();
    }

    QWidget &m_dialog;
    TMessage *m_echo = nullptr;
    std::vector<std::unique_ptr<Field>> m_fields;
    std::function<void(TMessage &)> m_complete;
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
    // Fills and sends every message, in order. Call check() first. Returns the bytes sent in all:
    // 0 when nothing could be sent.
    long send() const;
    // As check() and send(), for the fields of message TMessage alone.
    template <class TMessage>
    bool check_only()
    {
        return report(message<TMessage>());
    }
    template <class TMessage>
    long send_only()
    {
        return message<TMessage>().send();
    }

private:
    // Focuses the first wrong field of `fields` and says in a box what is wrong; false when one
    // was.
    bool report(const CMessage_fields &fields);

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
QString address_problem();
QString length_problem(qsizetype most, qsizetype taken);
QString group_count_problem(qsizetype checked, std::size_t room);

// Stores `value` into a numeric item, as the item's own type.
template <class TItem>
void set_number(TItem &item, double value)
{
    using T = std::remove_cvref_t<decltype(item.get())>;
    if constexpr (std::is_floating_point_v<T>) {
        item.set(static_cast<T>(value));
    } else {
        item.set(static_cast<T>(std::llround(value)));
    }
}

template <class TMessage, class TAccessor>
class TReal_field : public TDialog_field<TMessage> {
public:
    TReal_field(TNumberEdit *edit, QString caption, TAccessor accessor, double lowest,
                double highest, int decimals)
        : TDialog_field<TMessage>(edit, std::move(caption)),
          m_edit(edit),
          m_accessor(std::move(accessor)),
          m_decimals(decimals)
    {
        edit->SetRangeMin(lowest);
        edit->SetRangeMax(highest);
        edit->SetRangeEnable(true);
    }
    void load(TMessage &echo) override
    {
        auto &item = std::invoke(m_accessor, echo);
        m_edit->setText(echo.has_value(item) ? FixedText(item.get(), m_decimals) : not_available());
    }
    // Within the range the entry has now.
    std::optional<QString> problem() const override
    {
        const std::optional<double> value = ParseNumber(m_edit->text());
        if (!value || *value < m_edit->RangeMin() || *value > m_edit->RangeMax()) {
            return range_problem(m_edit->RangeMin(), m_edit->RangeMax());
        }
        return std::nullopt;
    }
    void store(TMessage &message) const override
    {
        store_number(message, *ParseNumber(m_edit->text()));
    }
    void keep(TMessage &message, TMessage &echo) const override
    {
        copy_item(m_accessor, message, echo);
    }

protected:
    void store_number(TMessage &message, double value) const override
    {
        set_number(std::invoke(m_accessor, message), value);
    }

private:
    TNumberEdit *m_edit;
    TAccessor m_accessor;
    int m_decimals;
};

// Which item of a radio group or combo box is chosen.
class CChosen {
public:
    explicit CChosen(QWidget *control)
        : m_group(qobject_cast<TRadioGroup *>(control)), m_combo(qobject_cast<QComboBox *>(control))
    {}
    int index() const
    {
        return m_group != nullptr ? m_group->ItemIndex() : m_combo->currentIndex();
    }
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
    // The code a combo box's item carries in its data.
    std::optional<long long> carried_code(int index) const
    {
        if (m_combo == nullptr || !m_combo->itemData(index).isValid()) {
            return std::nullopt;
        }
        return m_combo->itemData(index).toLongLong();
    }

private:
    TRadioGroup *m_group;
    QComboBox *m_combo;
};

template <class TMessage, class TAccessor>
class TChoice_field : public TDialog_field<TMessage> {
public:
    TChoice_field(QWidget *control, QString caption, TAccessor accessor, SChoice codes)
        : TDialog_field<TMessage>(control, std::move(caption)),
          m_chosen(control),
          m_accessor(std::move(accessor)),
          m_codes(std::move(codes))
    {}
    void load(TMessage &echo) override
    {
        auto &item = std::invoke(m_accessor, echo);
        m_chosen.choose(echo.has_value(item) ? index_of(static_cast<long long>(item.get())) : -1);
    }
    std::optional<QString> problem() const override
    {
        if (m_chosen.index() < 0 && !m_codes.unchosen) {
            return choice_problem();
        }
        return std::nullopt;
    }
    void store(TMessage &message) const override
    {
        const int index = m_chosen.index();
        store_number(message, static_cast<double>(index < 0 ? *m_codes.unchosen : code_of(index)));
    }
    void keep(TMessage &message, TMessage &echo) const override
    {
        copy_item(m_accessor, message, echo);
    }

protected:
    void store_number(TMessage &message, double value) const override
    {
        set_number(std::invoke(m_accessor, message), value);
    }

private:
    long long code_of(int index) const
    {
        if (!m_codes.codes.empty()) {
            return m_codes.codes[static_cast<std::size_t>(index)];
        }
        return m_chosen.carried_code(index).value_or(index);
    }
    int index_of(long long code) const
    {
        for (int i = 0; i < m_chosen.count(); ++i) {
            if (code_of(i) == code) {
                return i;
            }
        }
        for (const auto &[alias, index] : m_codes.aliases) {
            if (alias == code) {
                return index;
            }
        }
        return m_codes.fallback.value_or(-1);
    }

    CChosen m_chosen;
    TAccessor m_accessor;
    SChoice m_codes;
};

template <class TMessage, class TAccessor>
class TCheck_field : public TDialog_field<TMessage> {
public:
    TCheck_field(QCheckBox *box, QString caption, TAccessor accessor)
        : TDialog_field<TMessage>(box, std::move(caption)),
          m_box(box),
          m_accessor(std::move(accessor))
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
        : TDialog_field<TMessage>(edit, std::move(caption)),
          m_edit(edit),
          m_accessor(std::move(accessor)),
          m_length(length)
    {
        edit->setMaxLength(length);
    }
    void load(TMessage &echo) override
    {
        auto &item = std::invoke(m_accessor, echo);
        const std::string_view text = item.text();
        m_edit->setText(echo.holds(item)
                            ? QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                            : QString());
    }
    // The field takes bytes: a text whose bytes do not all fit is refused, never cut.
    std::optional<QString> problem() const override
    {
        const qsizetype taken = m_edit->text().toUtf8().size();
        if (taken > m_length) {
            return length_problem(m_length, taken);
        }
        return std::nullopt;
    }
    void store(TMessage &message) const override
    {
        std::invoke(m_accessor, message).set(m_edit->text().toUtf8().toStdString());
    }
    void keep(TMessage &message, TMessage &echo) const override
    {
        copy_item(m_accessor, message, echo);
    }

private:
    QLineEdit *m_edit;
    TAccessor m_accessor;
    int m_length;
};

template <class TMessage, class TAccessor>
class TBits_field : public TDialog_field<TMessage> {
public:
    TBits_field(QListWidget *list, QString caption, TAccessor accessor,
                std::vector<unsigned> line_bits)
        : TDialog_field<TMessage>(list, std::move(caption)),
          m_list(list),
          m_accessor(std::move(accessor)),
          m_line_bits(std::move(line_bits))
    {}
    void load(TMessage &echo) override
    {
        auto &field = std::invoke(m_accessor, echo);
        const bool held = echo.holds(field);
        for (int line = 0; line < lines(); ++line) {
            const bool set =
                held && ((field.get() >> m_line_bits[static_cast<std::size_t>(line)]) & 1U);
            m_list->item(line)->setCheckState(set ? Qt::Checked : Qt::Unchecked);
        }
    }
    std::optional<QString> problem() const override { return std::nullopt; }
    void store(TMessage &message) const override
    {
        auto &field = std::invoke(m_accessor, message);
        using T = std::remove_cvref_t<decltype(field.get())>;
        T value = 0;
        for (int line = 0; line < lines(); ++line) {
            if (m_list->item(line)->checkState() == Qt::Checked) {
                value = static_cast<T>(value | T{1} << m_line_bits[static_cast<std::size_t>(line)]);
            }
        }
        field.set(value);
    }

private:
    int lines() const { return std::min(m_list->count(), static_cast<int>(m_line_bits.size())); }

    QListWidget *m_list;
    TAccessor m_accessor;
    std::vector<unsigned> m_line_bits;
};

template <class TMessage>
class TGroup_list_field : public TDialog_field<TMessage> {
public:
    TGroup_list_field(QListWidget *list, QString caption)
        : TDialog_field<TMessage>(list, std::move(caption)), m_list(list)
    {}
    // Exactly the lines of the groups the echo lists are checked.
    void load(TMessage &echo) override
    {
        auto &groups = echo.groups();
        for (int line = 0; line < m_list->count(); ++line) {
            const int group = group_of(line);
            bool listed = false;
            for (std::size_t i = 0; i < groups.count() && !listed; ++i) {
                listed = echo.holds(groups[i]) && groups[i].get() == group;
            }
            m_list->item(line)->setCheckState(listed ? Qt::Checked : Qt::Unchecked);
        }
    }
    std::optional<QString> problem() const override
    {
        const std::size_t room = TMessage::largest_group_count;
        const qsizetype checked = checked_lines().size();
        if (static_cast<std::size_t>(checked) > room) {
            return group_count_problem(checked, room);
        }
        return std::nullopt;
    }
    void store(TMessage &message) const override
    {
        const std::vector<int> checked = checked_lines();
        const std::size_t count = message.set_group_count(checked.size());
        for (std::size_t i = 0; i < count; ++i) {
            message.groups()[i].set(static_cast<std::uint16_t>(group_of(checked[i])));
        }
    }

private:
    int group_of(int line) const { return m_list->item(line)->data(Qt::UserRole).toInt(); }
    std::vector<int> checked_lines() const
    {
        std::vector<int> checked;
        for (int line = 0; line < m_list->count(); ++line) {
            if (m_list->item(line)->checkState() == Qt::Checked) {
                checked.push_back(line);
            }
        }
        return checked;
    }

    QListWidget *m_list;
};

template <class TMessage, class TAccessor>
class TAddress_field : public TDialog_field<TMessage> {
public:
    TAddress_field(TAddressEdit *edit, QString caption, TAccessor parts)
        : TDialog_field<TMessage>(edit, std::move(caption)), m_edit(edit), m_parts(std::move(parts))
    {}
    void load(TMessage &echo) override
    {
        Address_bytes address{};
        const auto parts = std::invoke(m_parts, echo);
        for (std::size_t i = 0; i < address.size(); ++i) {
            if (!echo.holds(*parts[i])) {
                m_edit->clear();
                return;
            }
            address[i] = parts[i]->get();
        }
        m_edit->SetAddress(address);
    }
    std::optional<QString> problem() const override
    {
        if (!m_edit->Address()) {
            return address_problem();
        }
        return std::nullopt;
    }
    void store(TMessage &message) const override
    {
        const Address_bytes address = *m_edit->Address();
        const auto parts = std::invoke(m_parts, message);
        for (std::size_t i = 0; i < address.size(); ++i) {
            parts[i]->set(address[i]);
        }
    }
    void keep(TMessage &message, TMessage &echo) const override
    {
        const auto kept = std::invoke(m_parts, echo);
        const auto parts = std::invoke(m_parts, message);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (echo.holds(*kept[i])) {
                parts[i]->set(kept[i]->get());
            }
        }
    }

private:
    TAddressEdit *m_edit;
    TAccessor m_parts;
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

// A TNumberEdit of that name, or the entry of a TSpinFloatEdit of that name.
template <class TMessage>
TNumberEdit *TMessage_fields<TMessage>::number_entry_named(const char *name) const
{
    if (auto *spin = m_dialog.findChild<TSpinFloatEdit *>(name)) {
        return &spin->Entry();
    }
    return control_named<TNumberEdit>(name);
}

template <class TMessage>
template <class TAccessor>
auto TMessage_fields<TMessage>::real(const char *control, TAccessor accessor, double lowest,
                                     double highest, int decimals) -> Field &
{
    TNumberEdit *edit = number_entry_named(control);
    return add<dialog_field_detail::TReal_field<TMessage, TAccessor>>(
        edit, QString(), std::move(accessor), lowest, highest, decimals);
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
        add<dialog_field_detail::TReal_field<TMessage, decltype(component)>>(
            edit, FieldCaption(*edit, QString()) + " " + axes[axis], component, lowest, highest,
            decimals);
    }
}

template <class TMessage>
template <class TAccessor>
auto TMessage_fields<TMessage>::integer(const char *control, TAccessor accessor, long long lowest,
                                        long long highest) -> Field &
{
    auto *edit = control_named<TNumberEdit>(control);
    return add<dialog_field_detail::TReal_field<TMessage, TAccessor>>(
        edit, QString(), std::move(accessor), static_cast<double>(lowest),
        static_cast<double>(highest), 0);
}

template <class TMessage>
template <class TAccessor>
auto TMessage_fields<TMessage>::choice(const char *control, TAccessor accessor, SChoice codes)
    -> Field &
{
    auto *chooser = control_named<QWidget>(control);
    return add<dialog_field_detail::TChoice_field<TMessage, TAccessor>>(
        chooser, QString(), std::move(accessor), std::move(codes));
}

template <class TMessage>
template <class TAccessor>
auto TMessage_fields<TMessage>::check(const char *control, TAccessor accessor) -> Field &
{
    auto *box = control_named<QCheckBox>(control);
    return add<dialog_field_detail::TCheck_field<TMessage, TAccessor>>(box, box->text(),
                                                                       std::move(accessor));
}

template <class TMessage>
template <class TAccessor>
auto TMessage_fields<TMessage>::text(const char *control, TAccessor accessor) -> Field &
{
    auto *edit = control_named<QLineEdit>(control);
    TMessage layout;
    const int length = static_cast<int>(std::invoke(accessor, layout).size());
    return add<dialog_field_detail::TText_field<TMessage, TAccessor>>(edit, QString(),
                                                                      std::move(accessor), length);
}

template <class TMessage>
template <class TAccessor>
auto TMessage_fields<TMessage>::bits(const char *control, TAccessor accessor,
                                     std::vector<unsigned> line_bits) -> Field &
{
    auto *list = control_named<QListWidget>(control);
    return add<dialog_field_detail::TBits_field<TMessage, TAccessor>>(
        list, QString(), std::move(accessor), std::move(line_bits));
}

template <class TMessage>
auto TMessage_fields<TMessage>::group_list(const char *control) -> Field &
    requires std::derived_from<TMessage, CGroup_list_message>
{
    auto *list = control_named<QListWidget>(control);
    return add<dialog_field_detail::TGroup_list_field<TMessage>>(list, QString());
}

template <class TMessage>
template <class TAccessor>
auto TMessage_fields<TMessage>::address(const char *control, TAccessor parts) -> Field &
{
    auto *edit = control_named<TAddressEdit>(control);
    return add<dialog_field_detail::TAddress_field<TMessage, TAccessor>>(edit, QString(),
                                                                         std::move(parts));
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
