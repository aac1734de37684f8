#pragma once
// Entry field for a floating-point number: digits, a leading sign and one decimal separator of
// the user's locale.

#include "controls/number_edit.h"

class TFloatEdit : public TNumberEdit {
    Q_OBJECT

public:
    explicit TFloatEdit(QWidget *parent = nullptr) : TNumberEdit(EKind::real, parent) {}
};
