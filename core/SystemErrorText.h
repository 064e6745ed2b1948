#pragma once
// Why the system refused a file operation, in the program's language: the error box
// and the command line tell the user in Russian whatever language the system speaks.
#include "core/AnsiString.h"

// The reason for an errno value, lower case, to follow a colon; codes without a text
// of their own are named by number.
AnsiString SystemErrorText(int code);
