#include "views/Form_twan_solution.h"

#include "controls/image_list.h"
#include "display/formats.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace {

const CText_rule three_decimals = CText_rule::picture("0.000");

enum ESv_column { sv_column, ambiguities_column, slip_column, status_column };

// Base SV's label colour.
const QColor base_colour(0, 0, 255);

QString lamp_caption(std::size_t index)
{
    return QObject::tr("Record %1").arg(index + 1);
}

} // namespace

QString TwanSolutionStatusText(long long code)
{
    static const char *const texts[] = {"Fixed Integer",
                                        "Degraded Fixed Integer",
                                        "Floated Ambiguity",
                                        "Degraded Floated Ambiguity",
                                        "Solution without Install data",
                                        "No Solution"};
    if (code >= 0 && code < static_cast<long long>(std::size(texts))) {
        return QObject::tr(texts[code]);
    }
    return QObject::tr("Unknown: %1").arg(code);
}

TFormTwanSolution::TFormTwanSolution(QWidget *parent) : TFormTableView("FormTwanSolution", parent)
{
    setWindowTitle(tr("TWAN Solution"));
    m_solution = &group<CGroup109>();
    CView_group &solution_group = *m_solution;
    auto &solution = *m_solution;
    CView_page &own = area(3);
    CView_box &general = own.box(QString());
    general.value(tr("SV's in Solution"), solution, &CGroup109::sv_count);
    general.value(tr("Base SV"), solution, &CGroup109::base_sv);
    general.value(tr("PDOP"), solution, &CGroup109::pdop, three_decimals);
    general.value(tr("Antenna Separation (m)"), solution, &CGroup109::antenna_separation,
                  three_decimals);
    general.value(tr("OTF Searches"), solution, &CGroup109::otf_searches);
    general.value(tr("SOSR Ratio"), solution, &CGroup109::sosr_ratio, three_decimals);
    own.box(tr("Solution Status"))
        .value(tr("Status"), solution, &CGroup109::solution_status,
               CText_rule::computed(
                   [](double code) { return TwanSolutionStatusText(static_cast<long long>(code)); },
                   {TwanSolutionStatusText(4), TwanSolutionStatusText(255)}),
               "SolutionStatus");
    CView_box &heading = own.box(tr("TWAN Heading"));
    heading.value(tr("Heading (deg)"), solution, &CGroup109::heading, HeadingRule());
    heading.value(tr("Accuracy (deg)"), solution, &CGroup109::heading_rms, three_decimals);

    m_sv_data = &grid("SvData", 1 + static_cast<int>(CGroup109::record_count),
                      {tr("SV"), tr("Ambiguities"), tr("Slip Size"), tr("Status")}, 68);
    m_sv_data->AddWidestTexts(slip_column, {FormatValue("0.000", -9999999.0, true)});
    m_sv_data->AddWidestTexts(status_column, {tr("Searching")});

    auto *lamps = new QGroupBox(tr("SV Status"), BorderBevel());
    auto *lamp_layout = new QGridLayout(lamps);
    for (std::size_t index = 0; index < CGroup109::record_count; ++index) {
        auto *lamp = new CLed_image(lamps);
        lamp->setObjectName(QStringLiteral("Led%1").arg(index + 1));
        lamp->Set_image_list(&GreenLampImages());
        lamp->setFixedSize(16, 16);
        auto *label = new QLabel(lamp_caption(index), lamps);
        label->setObjectName(QStringLiteral("LedLabel%1").arg(index + 1));
        const int row = static_cast<int>(index % 6);
        const int column = 2 * static_cast<int>(index / 6);
        lamp_layout->addWidget(lamp, row, column);
        lamp_layout->addWidget(label, row, column + 1);
        m_lamps[index] = lamp;
        m_lamp_labels[index] = label;
    }
    content()->addWidget(lamps);
    AddActionRow(
        solution_group, [this] { show_records(); }, [this] { blank_records(); });
}

void TFormTwanSolution::show_records()
{
    for (std::size_t index = 0; index < CGroup109::record_count; ++index) {
        show_record(index);
    }
}

// A record without a satellite shows nothing: its row is emptied, so that no satellite's numbers
// stay beside an empty status, and its lamp is dark and disabled.
void TFormTwanSolution::show_record(std::size_t index)
{
    CGroup109 &solution = m_solution->record();
    CTwan_record_data &record = solution.twan_record(index);
    CLed_image &lamp = *m_lamps[index];
    const int row = static_cast<int>(index) + 1;
    if (!solution.has_value(record.sv())) {
        for (const int column : {sv_column, ambiguities_column, slip_column, status_column}) {
            m_sv_data->SetCell(row, column, QString());
        }
        lamp.Set_state(false);
        lamp.setEnabled(false);
        return;
    }
    m_sv_data->SetCell(row, sv_column, FormatInteger(record.sv().get(), true));
    m_sv_data->SetCell(row, ambiguities_column,
                       FormatInteger(record.ambiguities().get(),
                                     solution.has_value(record.ambiguities())));
    m_sv_data->SetCell(row, slip_column,
                       FormatValue("0.000", record.slip_residual().get(),
                                   solution.has_value(record.slip_residual())));
    const bool slip = solution.has_value(solution.slip_flag()) && solution.slip_flag().is_set(index);
    const bool fixed = solution.has_value(solution.solution_status()) &&
                       solution.solution_status().get() == 0;
    QString status;
    if (slip) {
        status = tr("Slip");
    } else if (fixed) {
        status = tr("Fixed");
    } else {
        status = tr("Searching");
    }
    m_sv_data->SetCell(row, status_column, status);
    lamp.Set_state(!slip && fixed);
    lamp.setEnabled(slip || fixed);
    if (solution.has_value(solution.base_sv()) && record.sv().get() == solution.base_sv().get()) {
        mark_base(static_cast<int>(index));
    }
}

// The label beside the base record's lamp reads "Base SV" in blue; the one before goes back to its
// own caption in the normal colour.
void TFormTwanSolution::mark_base(int index)
{
    if (index == m_base_record) {
        return;
    }
    if (m_base_record >= 0) {
        QLabel &previous = *m_lamp_labels[static_cast<std::size_t>(m_base_record)];
        previous.setText(lamp_caption(static_cast<std::size_t>(m_base_record)));
        previous.setStyleSheet(QString());
    }
    m_base_record = index;
    if (index >= 0) {
        QLabel &base = *m_lamp_labels[static_cast<std::size_t>(index)];
        base.setText(tr("Base SV"));
        base.setStyleSheet(QStringLiteral("color: %1").arg(base_colour.name()));
    }
}

void TFormTwanSolution::blank_records()
{
    for (std::size_t index = 0; index < CGroup109::record_count; ++index) {
        m_lamps[index]->Set_state(false);
        m_lamps[index]->setEnabled(true);
    }
    mark_base(-1);
}
