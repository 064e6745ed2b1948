#include "platform/SaveFile.h"

#include "platform/QtText.h"

#include <QDir>
#include <QSaveFile>

EFileWrite FileWriteError(const QString& path, const QString& reason)
{
    return EFileWrite(FromQString(QDir::toNativeSeparators(path)), FromQString(reason));
}

void SaveFile(const QString& path, std::string_view bytes)
{
    QSaveFile file(path);
    const auto fail = [&] { return FileWriteError(path, file.errorString()); };
    // Unbuffered, and written until every byte is taken: a buffered write that the disk
    // took only in part can still be committed as if whole.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw fail();
    const auto size = static_cast<qint64>(bytes.size());
    for (qint64 done = 0; done < size;) {
        const qint64 written = file.write(bytes.data() + done, size - done);
        if (written <= 0)
            throw fail();
        done += written;
    }
    if (!file.commit())
        throw fail();
}
