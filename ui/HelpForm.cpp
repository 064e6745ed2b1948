#include "ui/HelpForm.h"

#include "ui/AboutBox.h"
#include "ui/HelpText.h"
#include "app/Button.h"
#include "app/ControlLayout.h"
#include "app/Panel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextBrowser>

namespace {

const TFontStyle kFormFont{"MS Sans Serif", -13, clWindowText};

// Positions and sizes at 120 pixels per inch, relative to the parent's client area.
const TControlLayout kLayout[] = {
    // name, align, left, top, width, height, tab order, text, hint, hints, font, colour
    {"HelpForm", alNone, 0, 0, 620, 560, -1, "Справка: Kelvorin2", nullptr, shParent, &kFormFont, clBtnFace},
    {"Text", alClient, 0, 0, 620, 520, 0, nullptr, nullptr, shParent, nullptr, clDefault},
    {"Panel1", alBottom, 0, 520, 620, 40, 1, nullptr, nullptr, shParent, nullptr, clDefault},
    {"Button1", alNone, 8, 8, 120, 25, 0, "О программе…", nullptr, shParent, nullptr, clDefault},
    {"Button2", alNone, 136, 8, 75, 25, 1, "Закрыть", nullptr, shParent, nullptr, clDefault},
};

} // namespace

THelpForm::THelpForm() : TForm("HelpForm")
{
    SetClientSize(620, 560);
    Text = NewControl<QTextBrowser>(this, "Text");
    Text->setOpenExternalLinks(true);
    Panel1 = NewControl<TPanel>(this, "Panel1");
    Panel1->SetBevelOuter(bvNone);
    Button1 = NewControl<TButton>(Panel1, "Button1");
    Button1->OnClick = [this] { ShowAboutBox(this); };
    Button2 = NewControl<TButton>(Panel1, "Button2");
    Button2->OnClick = [this] { close(); };

    ApplyLayout(this, kLayout);
    Button2->SetDefault(true);
    const std::string html = HelpHtml(ReadmePath().toStdString());
    Text->setHtml(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())));
}

QString THelpForm::ReadmePath()
{
    const QString candidates[] = {
        QCoreApplication::applicationDirPath() + "/" KELVORIN_INSTALLED_README,
        QString::fromUtf8(KELVORIN_SOURCE_README),
    };
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile())
            return QFileInfo(path).canonicalFilePath();
    return {};
}
