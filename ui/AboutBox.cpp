#include "AboutBox.h"

#include "HelpText.h"

#include <QApplication>
#include <QMessageBox>

void ShowAboutBox(QWidget* parent)
{
    const std::string html = AboutHtml();
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8("О программе Kelvorin2"),
                    QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())), QMessageBox::Ok, parent);
    box.setObjectName("AboutBox");
    box.setTextFormat(Qt::RichText);
    box.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    box.setTextInteractionFlags(Qt::TextBrowserInteraction); // the homepage opens in the browser
    box.exec();
}
