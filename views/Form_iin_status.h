#pragma once
// The integrated navigator's status: the four tasks' status groups on four pages, and their
// "Data" values in a grid below, one column per task.

#include "views/Form_table_view.h"
#include "views/iin_status_records.h"

class TFormIinStatus : public TFormTableView {
    Q_OBJECT
public:
    explicit TFormIinStatus(QWidget *parent = nullptr);

private:
    // The rows every task group has: "MPA Status" under "General Status", the errors under
    // "Miscellaneous", and its column of the grid.
    template <class TGroup>
    void add_common_rows(CView_box &general, CView_box &miscellaneous, TView_group<TGroup> &group,
                         int column, const QString &error_3_caption = QString());

    TValueGrid *m_data = nullptr;
};
