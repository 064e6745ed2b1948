#pragma once
// Writing a file the user chose, whole or not at all.
#include <QString>

#include <string_view>

// Writes the bytes through a temporary file that is then renamed into place, so a
// failed write leaves an earlier file whole; EFileWrite names the file and the reason.
void SaveFile(const QString& path, std::string_view bytes);
