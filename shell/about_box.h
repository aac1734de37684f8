#pragma once
// The About box: the program's icon and what its build says of it.

class QWidget;

void ShowAboutBox(QWidget *parent);
