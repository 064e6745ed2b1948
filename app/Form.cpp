#include "app/Form.h"

#include "app/Align.h"
#include "app/Application.h"
#include "app/Button.h"
#include "platform/QtText.h"
#include "platform/Scaling.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include <vector>

TForm::TForm(const AnsiString& name) : QWidget(nullptr)
{
    setObjectName(QString::fromStdString(name));
    KeepAligned(this);
    if (Application)
        Application->AddForm(this);
}

TForm::~TForm()
{
    if (Application)
        Application->RemoveForm(this);
}

void TForm::SetCaption(const AnsiString& caption)
{
    setWindowTitle(ToQString(caption));
}

AnsiString TForm::Caption() const
{
    return FromQString(windowTitle());
}

void TForm::SetClientSize(int width, int height)
{
    resize(Scaled(width), Scaled(height));
}

void TForm::SetBorderStyle(TBorderStyle style)
{
    if (style == bsToolWindow) {
        setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        setFixedSize(size());
    } else {
        setWindowFlags(Qt::Window);
    }
}

void TForm::Show()
{
    if (Position == poDesktopCenter) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    show();
    raise();
    activateWindow();
}

int TForm::ShowModal()
{
    std::vector<TForm*> disabled;
    if (Application)
        for (TForm* form : Application->Forms())
            if (form != this && form->isEnabled()) {
                form->setEnabled(false);
                disabled.push_back(form);
            }
    FModalResult = mrNone;
    FModal = true;
    setWindowModality(Qt::ApplicationModal);
    Show();
    QEventLoop loop;
    FModalLoop = &loop;
    if (FModalResult == mrNone)
        loop.exec();
    FModalLoop = nullptr;
    FModal = false;
    hide();
    setWindowModality(Qt::NonModal);
    for (TForm* form : disabled)
        form->setEnabled(true);
    return FModalResult;
}

void TForm::SetModalResult(int result)
{
    FModalResult = result;
    if (FModalLoop && result != mrNone)
        FModalLoop->quit();
}

void TForm::keyPressEvent(QKeyEvent* event)
{
    // Escape closes any window but the main one, as its close box does; a modal
    // window's show then ends with the cancel result.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && Application
        && Application->MainForm() != this) {
        close();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A focused button takes Enter itself; otherwise the default button does.
        auto* target = qobject_cast<TButton*>(focusWidget());
        if (!target)
            target = FDefaultButton;
        if (target && target->isVisible() && target->isEnabled()) {
            target->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TForm::closeEvent(QCloseEvent* event)
{
    if (FModal) {
        // The close box of a modal form only ends its modal show.
        event->ignore();
        SetModalResult(mrCancel);
        return;
    }
    QWidget::closeEvent(event);
    if (Application && Application->MainForm() == this)
        Application->quit();
}
