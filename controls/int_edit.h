#pragma once
// Entry field for an integer: digits and a leading sign.

#include "controls/number_edit.h"

class TIntEdit : public TNumberEdit {
    Q_OBJECT

public:
    explicit TIntEdit(QWidget *parent = nullptr) : TNumberEdit(EKind::integer, parent) {}
};
