#include "platform/SaveFile.h"
#include "core/SystemErrorText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

std::string Reason(const QString& path)
{
    try {
        SaveFile(path, "new");
    } catch (const EFileWrite& error) {
        const std::string message = Utf8FromAnsi(error.Message());
        return message.substr(message.find("»: ") + std::string("»: ").size());
    }
    return "saved";
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

// What the system refuses is told in Russian, whatever language the system speaks, and
// nothing is left behind.
TEST(SaveFile, RefusalsNameTheReasonInRussian)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("folder");
    QFile plain(folder.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const struct {
        QString path;
        const char* reason;
    } cases[] = {
        {folder.filePath("missing/table.csv"), "нет такой папки или файла"},
        {folder.filePath("folder"), "это папка"},
        {folder.filePath("plain/table.csv"), "часть пути не является папкой"},
        {"/dev/null", "это не обычный файл"},
        {folder.filePath(QString(300, 'x')), "слишком длинное имя файла"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Reason(c.path), c.reason) << c.path.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList("plain"));
    EXPECT_EQ(Utf8FromAnsi(SystemErrorText(-7)), "системная ошибка -7");
}

// The replacement takes the old file's permissions, and a link to the file stays a link.
TEST(SaveFile, ReplacingAFileKeepsItsPermissionsAndTheLinksToIt)
{
    QTemporaryDir folder;
    const QString file = folder.filePath("table.csv");
    const QString link = folder.filePath("link.csv");
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(file, link));

    SaveFile(link, "new");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Read(file), "new");
    struct stat saved {};
    ASSERT_EQ(stat(QFile::encodeName(file).constData(), &saved), 0);
    EXPECT_EQ(saved.st_mode & 07777, 0640u);
}
