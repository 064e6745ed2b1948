#include "core/SystemErrorText.h"

#include <cerrno>

namespace {

// UTF-8 here; the callers get Windows-1251.
const char* KnownText(int code)
{
    switch (code) {
    case ENOSPC: return "на диске не осталось места";
    case EDQUOT: return "исчерпана дисковая квота";
    case EFBIG: return "файл слишком велик";
    case EACCES: return "доступ запрещён";
    case EPERM: return "операция не разрешена";
    case EROFS: return "файловая система доступна только для чтения";
    case ENOENT: return "нет такой папки или файла";
    case ENOTDIR: return "часть пути не является папкой";
    case EISDIR: return "это папка";
    case ENAMETOOLONG: return "слишком длинное имя файла";
    case ELOOP: return "слишком много символических ссылок в пути";
    case EINVAL: return "недопустимое имя файла или операция";
    case EIO: return "ошибка ввода-вывода";
    case EMFILE: return "программа открыла слишком много файлов";
    case ENFILE: return "в системе открыто слишком много файлов";
    case EBUSY: return "устройство или ресурс заняты";
    case ETXTBSY: return "файл занят";
    case ENOMEM: return "недостаточно памяти";
    case EPIPE: return "принимающая сторона закрыла канал";
    case ESTALE: return "файл на сетевом диске больше не доступен";
    default: return nullptr;
    }
}

} // namespace

AnsiString SystemErrorText(int code)
{
    const char* text = KnownText(code);
    return text ? AnsiFromUtf8(text) : AnsiFromUtf8("системная ошибка ") + std::to_string(code);
}
