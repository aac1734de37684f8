#include "views/Form_faults.h"

#include "controls/image_list.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr char lit_marker = '*';
constexpr char dark_marker = ' ';
// Receiver types: single and dual frequency, and the types the computer has no status word for.
constexpr unsigned single_frequency = 1;
constexpr unsigned dual_frequency = 2;
constexpr unsigned without_status_1 = 13;
constexpr unsigned without_status_2 = 16;

QString lamp_name(unsigned led)
{
    return QStringLiteral("CLed_image%1").arg(led);
}

QString label_name(unsigned led)
{
    return QStringLiteral("Label%1").arg(led);
}

// The caption kept up to its first ":" (one added if it has none), then the status word.
QString receiver_caption(const QString &caption, std::uint32_t status)
{
    const qsizetype colon = caption.indexOf(':');
    const QString kept = colon < 0 ? caption + ':' : caption.left(colon + 1);
    return kept + QStringLiteral(" 0x%1").arg(QString::number(status, 16).toUpper().rightJustified(8, '0'));
}

} // namespace

bool TFormFaults::CPrepared_table::set(std::uint32_t value) const
{
    bool any = false;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const bool lit = (m_entries[i].mask & value) != 0;
        if (m_lamps[i] != nullptr) {
            m_lamps[i]->Set_state(lit);
            any = any || lit;
        }
    }
    return any;
}

bool TFormFaults::CPrepared_table::any_lit() const
{
    for (CLed_image *lamp : m_lamps) {
        if (lamp != nullptr && lamp->State()) {
            return true;
        }
    }
    return false;
}

TFormFaults::TFormFaults(QWidget *parent) : TFormTableView("FormFaults", parent)
{
    setWindowTitle(tr("Fault Detection"));
    m_primary.record = &group<CGroup3>().record();
    m_primary.tables = &PrimaryReceiverTables();
    m_primary.page = primary_page;
    m_secondary.record = &group<CGroup106>().record();
    m_secondary.tables = &SecondaryReceiverTables();
    m_secondary.page = secondary_page;
    build_pages();

    const SGeneral_tables &general = GeneralTables();
    m_general.push_back(prepare(general.installation));
    for (const Led_table &level : general.levels) {
        m_general.push_back(prepare(level));
    }
    m_imu_lamps = prepare(ImuTable(1));
    for (SReceiver *receiver : {&m_primary, &m_secondary}) {
        receiver->single = prepare(receiver->tables->single);
        receiver->dual = prepare(receiver->tables->dual);
    }
    add_rows();
    ResetDisplay(0);
}

// Each group's copy sets its lamps; a reset darkens them.
void TFormFaults::add_rows()
{
    auto &fdir = group<CGroup_fdir>();
    AddActionRow(
        fdir, [this, &fdir] { show_fault_flags(fdir.record()); },
        [this] {
            for (const CPrepared_table &table : m_general) {
                table.darken();
            }
        });
    auto &imu = group<CGroup4>();
    AddActionRow(
        imu, [this, &imu] { show_imu(imu.record()); },
        [this] {
            m_imu_lamps.darken();
            set_page_shown(imu_page, false);
            // The next IMU group shows its page again, whatever table it takes.
            m_imu_table.reset();
        });
    AddActionRow(
        group<CGroup3>(), [this] { show_receiver(m_primary); }, [this] { m_primary.single.darken(); });
    AddActionRow(
        group<CGroup106>(), [this] { show_receiver(m_secondary); },
        [this] {
            m_secondary.single.darken();
            set_page_shown(secondary_page, false);
        });
}

void TFormFaults::build_pages()
{
    const auto box = [this](CView_page &page, EFault_box kind, const QString &title,
                            const QString &name = {}) {
        QGroupBox *made = page.box(title).box();
        made->setObjectName(name);
        m_boxes[kind] = made;
        return made;
    };
    CView_page &general = page(tr(" General"));
    box(general, EFault_box::imu, tr("IMU"));
    m_primary.general_box = box(general, EFault_box::primary_gps, tr("Primary GPS"));
    box(general, EFault_box::algorithm_status, tr("Algorithm Status"));
    m_secondary.general_box = box(general, EFault_box::secondary_gps, tr("Secondary GPS"));
    box(general, EFault_box::auxiliary_gps, tr("Auxiliary GPS"));
    box(general, EFault_box::twan, tr("TWAN"));
    m_primary.status_box = box(page(tr(" Primary GPS"), 1), EFault_box::primary_status,
                               tr("Primary GPS Status"), "GroupBoxPriGps");
    m_secondary.status_box = box(page(tr(" Secondary GPS"), 1), EFault_box::secondary_status,
                                 tr("Secondary GPS Status"), "GroupBoxSecGps");
    box(page(tr(" IMU"), 1), EFault_box::imu_status, tr("LN200 Status"), "GroupBoxImu");
    m_pages = findChild<QTabWidget *>("PageControl1");

    // Above the pages.
    auto *failures = new QHBoxLayout;
    failures->addWidget(new QLabel(tr("Bad IMU Frames"), BorderBevel()));
    auto *count = new TValueLabel(BorderBevel());
    count->setObjectName("Level1ImuFailures");
    count->SetWidestTexts(WidestTexts(CText_rule::natural(),
                                      group<CGroup_fdir>().record().fdir_level_1_imu_failures()));
    BindLabel(*count, group<CGroup_fdir>(), &CGroup_fdir::fdir_level_1_imu_failures);
    failures->addWidget(count);
    failures->addStretch();
    content()->insertLayout(0, failures);

    const SGeneral_tables &tables = GeneralTables();
    for (const SLed_entry &entry : tables.installation) {
        add_lamp(entry);
    }
    for (const Led_table &level : tables.levels) {
        for (const SLed_entry &entry : level) {
            add_lamp(entry);
        }
    }
    for (const SReceiver_tables *receiver : {&PrimaryReceiverTables(), &SecondaryReceiverTables()}) {
        for (const Led_table &part : {receiver->single, receiver->dual}) {
            for (const SLed_entry &entry : part) {
                add_lamp(entry);
            }
        }
    }
    for (const SLed_entry &entry : ImuTable(0)) {
        add_lamp(entry);
    }
}

// A lamp and its caption, in the next row of its group box, as designed.
void TFormFaults::add_lamp(const SLed_entry &entry)
{
    QGroupBox *group_box = box_of(entry.box);
    auto *grid = static_cast<QGridLayout *>(group_box->layout());
    const int row = grid->rowCount();
    auto *lamp = new CLed_image(group_box);
    lamp->setObjectName(lamp_name(entry.led));
    lamp->Set_image_list(&RedLampImages());
    lamp->setFixedSize(16, 16);
    auto *caption = new QLabel(entry.caption != nullptr ? QString(entry.caption)
                                                        : LoadText(entry.text_id),
                               group_box);
    caption->setObjectName(label_name(entry.led));
    grid->addWidget(lamp, row, 0);
    grid->addWidget(caption, row, 1);
    grid->setColumnStretch(0, 0);
    grid->setColumnStretch(1, 1);
}

QGroupBox *TFormFaults::box_of(EFault_box box) const
{
    return m_boxes.at(box);
}

void TFormFaults::set_entry_shown(const SLed_entry &entry, bool shown)
{
    for (QWidget *control : {static_cast<QWidget *>(findChild<CLed_image *>(lamp_name(entry.led))),
                             static_cast<QWidget *>(findChild<QLabel *>(label_name(entry.led)))}) {
        if (control != nullptr && control->isHidden() == shown) {
            control->setVisible(shown);
        }
    }
}

// Finds the table's lamps and shows them with their captions; an IMU table also hides the IMU
// page's lamps it does not use.
TFormFaults::CPrepared_table TFormFaults::prepare(Led_table table)
{
    std::vector<CLed_image *> lamps;
    for (const SLed_entry &entry : table) {
        auto *lamp = findChild<CLed_image *>(lamp_name(entry.led));
        auto *caption = findChild<QLabel *>(label_name(entry.led));
        lamps.push_back(lamp);
        if (lamp != nullptr) {
            lamp->setVisible(true);
            m_owners[entry.led] = table.data();
        }
        if (caption != nullptr) {
            caption->setVisible(true);
            if (entry.text_id != 0) {
                caption->setText(LoadText(entry.text_id));
            }
        }
    }
    if (!table.empty() && table.front().led == first_imu_led) {
        for (const SLed_entry &entry : ImuTable(0)) {
            const auto owner = m_owners.find(entry.led);
            if (owner == m_owners.end() || owner->second != table.data()) {
                set_entry_shown(entry, false);
            }
        }
    }
    return {table, std::move(lamps)};
}

// Faults are few and seldom change: their lamps are set when their group comes, shown or not.
bool TFormFaults::UpdateFromGroup(int argument)
{
    if (!TFormTableView::UpdateFromGroup(argument)) {
        return false;
    }
    RefreshDisplay();
    return true;
}

void TFormFaults::show_fault_flags(CGroup_fdir &group)
{
    // A word the frame does not hold lights nothing.
    auto word = [&group](const auto &item) -> std::uint32_t {
        return group.holds(item) ? static_cast<std::uint32_t>(item.get()) : 0;
    };
    const std::uint32_t status_b = group.holds(group.general_status_b())
                                       ? static_cast<std::uint32_t>(group.general_status_b().get())
                                       : installation_bit;
    bool lit = m_general[0].set(status_b ^ installation_bit);
    const std::array<std::uint32_t, 5> levels{
        word(group.fdir_level_1()), word(group.fdir_level_2()), word(group.fdir_level_3()),
        word(group.fdir_level_4()), word(group.fdir_level_5())};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        lit = m_general[i + 1].set(levels[i]) || lit;
    }
    mark_page(general_page, lit);
}

void TFormFaults::show_imu(CGroup4 &group)
{
    const std::optional<std::size_t> table =
        group.holds(group.imu_type()) ? ImuTableOfType(group.imu_type().get()) : std::nullopt;
    if (!table) {
        if (m_pages->currentIndex() == imu_page) {
            m_pages->setCurrentIndex(general_page);
        }
        set_page_shown(imu_page, false);
        m_imu_table.reset();
        return;
    }
    if (table != m_imu_table) {
        if (!m_imu_table) {
            set_page_shown(imu_page, true);
        }
        m_imu_lamps = prepare(ImuTable(*table));
    }
    m_imu_table = table;
    const std::uint16_t status = group.holds(group.imu_status()) ? group.imu_status().get() : 0;
    mark_page(imu_page, m_imu_lamps.set(ImuStatusForTable(*table, status)));
    box_of(EFault_box::imu_status)
        ->setTitle(QStringLiteral("IMU %1 Status: 0x%2")
                       .arg(static_cast<unsigned>(group.imu_type().get()))
                       .arg(QString::number(status, 16).toUpper().rightJustified(4, '0')));
}

void TFormFaults::show_receiver(SReceiver &receiver)
{
    CGnss_receiver_group &group = *receiver.record;
    const bool has_data = group.holds(group.gps_mode()) && group.gps_mode().get() != 0;
    for (QGroupBox *box : {receiver.general_box, receiver.status_box}) {
        if (box->isEnabled() != has_data) {
            box->setEnabled(has_data);
        }
    }
    if (has_data && receiver.page == secondary_page) {
        set_page_shown(secondary_page, true);
    }
    const bool type_held = group.holds(group.receiver_type());
    const unsigned type = type_held ? group.receiver_type().get() : 0;
    const bool status_held = group.holds(group.receiver_status());
    const std::uint32_t status = status_held ? group.receiver_status().get() : 0;
    const std::uint32_t shown = status ^ receiver_good_bits;

    const bool dual = type_held && status_held && type == dual_frequency;
    for (const SLed_entry &entry : receiver.dual.entries()) {
        set_entry_shown(entry, dual);
    }
    if (type == without_status_1 || type == without_status_2) {
        set_page_shown(receiver.page, false);
        return;
    }
    set_page_shown(receiver.page, true);
    receiver.status_box->setTitle(receiver_caption(receiver.status_box->title(), status));
    if (status_held && (type == single_frequency || type == dual_frequency)) {
        const bool dual_lit = dual && receiver.dual.set(shown);
        const bool single_lit = receiver.single.set(shown);
        mark_page(receiver.page, (dual_lit || single_lit) && has_data);
        return;
    }
    receiver.single.darken();
    receiver.dual.darken();
    mark_page(receiver.page, false);
}

void TFormFaults::mark_page(EPage page, bool lit)
{
    QString caption = m_pages->tabText(page);
    caption[0] = QChar(lit ? lit_marker : dark_marker);
    m_pages->setTabText(page, caption);
}

void TFormFaults::set_page_shown(EPage page, bool shown)
{
    if (m_pages->isTabVisible(page) != shown) {
        m_pages->setTabVisible(page, shown);
    }
}

void TFormFaults::ResetDisplay(int argument)
{
    if (argument != 0) {
        return;
    }
    TFormTableView::ResetDisplay(argument);
    m_pages->setCurrentIndex(general_page);
}

QMap<QString, QString> TFormFaults::PaintedValues() const
{
    QMap<QString, QString> captions;
    for (int page = 0; page < m_pages->count(); ++page) {
        captions.insert(QStringLiteral("PageControl1Caption[%1]").arg(page), m_pages->tabText(page));
    }
    return captions;
}
