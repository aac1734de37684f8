#pragma once
// User texts as Qt strings, and the captions of the program's message boxes.

#include <QString>

// The program's title: the caption of its boxes and the start of every box caption.
inline constexpr char application_title[] = "TARVO";

// The text of string number `id`; empty when the table has no such number.
QString LoadText(int id);

enum class ECaption { error, warning, message };

// The application title followed by " Error", " Warning" or " Message".
QString BoxCaption(ECaption kind);
