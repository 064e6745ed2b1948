#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void SetClipboardText(std::string_view utf8)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}
