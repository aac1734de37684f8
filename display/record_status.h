#pragma once
// The status words of a received Group 101, as the status texts read them. Words the frame did
// not carry read as 0.

#include "display/status_texts.h"

class CGroup101;

SStatus_words StatusWordsOf(CGroup101 &status);
