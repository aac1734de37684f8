#pragma once
// Every window of the program besides the main form, one row each: what it is, when it is made,
// which menu entries open it and which groups it asks the computer for.

#include "shell/window_table.h"

#include <vector>

std::vector<SWindow_row> WindowRows();
