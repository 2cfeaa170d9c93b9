// The two dialogs the program shows: the notice and the error report. Both
// are modal and return only when the user has closed them.
#pragma once

#include <QString>

// A notice: the application title as caption, no icon, the text, and one "OK"
// button that Enter and Escape press as well.
void ShowMessage(const QString& text);

// An error report: the application title as caption, the stop icon, "OK", and
// the message with a final period where it ends in a letter or a digit.
void ShowErrorReport(const QString& message);
