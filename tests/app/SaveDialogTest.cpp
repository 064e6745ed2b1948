#include "tests/GuiTestSupport.h"
#include "app/SaveDialog.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The texts of the window's shown labels and buttons that hold Latin letters once the
// file's name is taken out: Qt's own English, where it should speak the user's language.
QStringList LatinTexts(const QWidget* window, const QString& fileName)
{
    const QRegularExpression latin("[A-Za-z]");
    QStringList texts;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(w))
            text = label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            text = button->text();
        if (text.remove(fileName).contains(latin))
            texts << text;
    }
    return texts;
}

// Qt's texts in Russian for as long as it lives, in English again after.
struct TRussianQt {
    TRussianQt() { Loaded = Application->SetQtLanguage(QLocale(QLocale::Russian, QLocale::Russia)); }
    ~TRussianQt() { Application->SetQtLanguage(QLocale::c()); }
    bool Loaded;
};

} // namespace

// Under a Russian locale the save dialog and its question before replacing a file
// speak Russian, as the program does.
TEST(SaveDialog, UnderARussianLocaleTheDialogAndTheOverwriteQuestionAreRussian)
{
    TRussianQt russian;
    ASSERT_TRUE(russian.Loaded) << "Qt's Russian translations are installed";
    QTemporaryDir folder;
    const QString name = "таблица.csv";
    const QString existing = folder.filePath(name);
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    QStringList dialogLatin, questionLatin;
    QString question;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialogLatin = LatinTexts(dialog, name);
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            question = box->text();
            questionLatin = LatinTexts(box, name);
            box->button(QMessageBox::Yes)->click();
        });
        dialog->selectFile(existing);
        QMetaObject::invokeMethod(dialog, "accept"); // asks before replacing the file
    });
    const TSaveAnswer answer = AskSaveFile(nullptr, "Сохранить таблицу", folder.filePath("new.csv"),
                                           std::initializer_list<TFileType>{{"Таблица CSV", "csv"}});
    EXPECT_EQ(answer.Path, existing);
    EXPECT_TRUE(dialogLatin.isEmpty()) << dialogLatin.join(" | ").toStdString();
    EXPECT_TRUE(question.contains(name)) << question.toStdString();
    EXPECT_TRUE(questionLatin.isEmpty()) << questionLatin.join(" | ").toStdString();
}
