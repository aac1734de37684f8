#pragma once
// The TWAN dual-antenna heading solution (Group 109): satellites used, ambiguity resolution and
// heading, a row and a lamp per satellite record, the base satellite marked beside its lamp.

#include "views/Form_table_view.h"
#include "views/filter_records.h"

#include <array>

class QLabel;

class TFormTwanSolution : public TFormTableView {
    Q_OBJECT
public:
    explicit TFormTwanSolution(QWidget *parent = nullptr);

    // The record marked as the base satellite's, or -1.
    int base_record() const { return m_base_record; }

private:
    void show_records();
    void blank_records();
    void show_record(std::size_t index);
    void mark_base(int index);

    TView_group<CGroup109> *m_solution = nullptr;
    TValueGrid *m_sv_data = nullptr;
    std::array<CLed_image *, CGroup109::record_count> m_lamps{};
    std::array<QLabel *, CGroup109::record_count> m_lamp_labels{};
    int m_base_record = -1;
};

// The text of a TWAN solution status code.
QString TwanSolutionStatusText(long long code);
