#pragma once
// Writing a file the user chose, whole or not at all.
#include "core/FileErrors.h"

#include <QString>

#include <string_view>

// Writes the bytes through a temporary file in the same folder that is then renamed into
// place, so a failed write leaves an earlier file whole; EFileWrite names the file and
// the system's reason in Russian.
void SaveFile(const QString& path, std::string_view bytes);

// The error for a file that could not be written, naming it as the platform writes paths.
EFileWrite FileWriteError(const QString& path, const AnsiString& reason);
