#pragma once
// The faults view: the computer's fault detection flags, the IMU's built-in test word and the
// GNSS receivers' status words as rows of lamps, each beside its caption, on four pages whose
// captions start with "*" while a lamp of theirs is lit.
//
// Each group is shown from its private copy. The lamps are made from the indicator tables; a table,
// prepared, holds its lamps and sets them from a status word. The IMU page shows the table of the
// IMU type the computer reports.

#include "protocol/navigation_groups.h"
#include "views/Form_table_view.h"
#include "views/fault_tables.h"
#include "views/gps_data_records.h"

#include <QMap>

#include <map>
#include <optional>
#include <vector>

class CLed_image;
class QGroupBox;
class QLabel;
class QTabWidget;

class TFormFaults : public TFormTableView {
    Q_OBJECT
public:
    explicit TFormFaults(QWidget *parent = nullptr);

    // The lamps follow each group at once.
    bool UpdateFromGroup(int argument) override;
    void ResetDisplay(int argument) override;
    // The page captions, each with its marker, by page.
    QMap<QString, QString> PaintedValues() const override;

private:
    enum EPage { general_page, primary_page, secondary_page, imu_page };

    // A table's lamps, found when it is prepared.
    class CPrepared_table {
    public:
        CPrepared_table() = default;
        CPrepared_table(Led_table entries, std::vector<CLed_image *> lamps)
            : m_entries(entries), m_lamps(std::move(lamps))
        {}
        // Lights the lamps whose bits are in `value`, darkens the others; true when one is lit.
        bool set(std::uint32_t value) const;
        void darken() const { set(0); }
        bool any_lit() const;
        Led_table entries() const { return m_entries; }

    private:
        Led_table m_entries;
        std::vector<CLed_image *> m_lamps; // null for an entry without a lamp
    };

    struct SReceiver {
        CGnss_receiver_group *record = nullptr;
        const SReceiver_tables *tables = nullptr;
        EPage page;
        QGroupBox *general_box = nullptr;
        QGroupBox *status_box = nullptr;
        CPrepared_table single;
        CPrepared_table dual;
    };

    void build_pages();
    void add_rows();
    void add_lamp(const SLed_entry &entry);
    QGroupBox *box_of(EFault_box box) const;
    CPrepared_table prepare(Led_table table);
    // Shows or hides the entry's lamp with its caption.
    void set_entry_shown(const SLed_entry &entry, bool shown);
    void show_fault_flags(CGroup_fdir &group);
    void show_imu(CGroup4 &group);
    void show_receiver(SReceiver &receiver);
    void mark_page(EPage page, bool lit);
    void set_page_shown(EPage page, bool shown);

    SReceiver m_primary;
    SReceiver m_secondary;
    std::vector<CPrepared_table> m_general;
    std::optional<std::size_t> m_imu_table; // the table in use
    CPrepared_table m_imu_lamps;
    std::map<unsigned, const SLed_entry *> m_owners; // which table a lamp shows now

    QTabWidget *m_pages = nullptr;
    std::map<EFault_box, QGroupBox *> m_boxes;
};
