#include "ui/AboutBox.h"

#include "app/Commands.h"
#include "ui/HelpText.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

void ShowAboutBox(QWidget* parent)
{
    QDialog box(parent);
    box.setObjectName("AboutBox");
    box.setWindowTitle(QString::fromUtf8("О программе Kelvorin2"));
    auto* icon = new QLabel(&box);
    icon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);
    const std::string html = AboutHtml();
    auto* text = new QLabel(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())), &box);
    text->setObjectName("Text");
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setOpenExternalLinks(true); // the homepage opens in the browser
    // Lines of a comfortable length, whatever the screen's size.
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 56);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* column = new QVBoxLayout(&box);
    column->addLayout(row);
    column->addWidget(buttons);
    box.exec();
}

void AddAboutCommand(QWidget* control)
{
    auto* separator = new QAction(control);
    separator->setSeparator(true);
    control->addAction(separator);
    AddCommand(control, "About", "О программе…", [control] { ShowAboutBox(control->window()); });
}
