#pragma once
// The computer's identity and versions (Group 99, or Group 108 from which the version text is
// built), its operating statistics, and its processor load (Group 20105) as values and as a strip
// chart of the last hour. The version text shown sets the program's model code (and Group 99's
// the sub-model code), by which other windows know the computer's model.

#include "views/Form_table_view.h"
#include "views/load_strip.h"
#include "views/statistics_records.h"

#include "protocol/navigation_groups.h"

class QChartView;
class QDateTimeAxis;
class QLineSeries;

class TFormStatistics : public TFormTableView {
    Q_OBJECT
public:
    explicit TFormStatistics(QWidget *parent = nullptr);

    bool UpdateFromGroup(int argument) override;
    void ResetDisplay(int argument) override;
    // The strip chart: "Chart1Points", and the time axis's ends "Chart1Minimum" and
    // "Chart1Maximum" in seconds of the time tags (a week on after a rollover).
    QMap<QString, QString> PaintedValues() const override;

    const CLoad_strip &strip() const { return m_strip; }

private:
    void take_load(CGroup20105 &load);
    void show_version(const QString &version, bool with_sub_model);
    void apply_axis();

    TView_group<CGroup99> *m_versions = nullptr;
    TView_group<CGroup108> *m_identification = nullptr;
    TView_group<CGroup20105> *m_load = nullptr;
    TValueLabel *m_version = nullptr;
    QChartView *m_chart = nullptr;
    QLineSeries *m_series = nullptr;
    QDateTimeAxis *m_time_axis = nullptr;
    CLoad_strip m_strip;
};

// The version text of Group 108: "510,VER5,S/N1234,HW2.1,SW3.25,ICD4.0".
QString IdentificationText(CGroup108 &group);
