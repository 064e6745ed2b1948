#include "app/Application.h"

#include "app/Button.h"
#include "app/Form.h"
#include "app/HintProperties.h"
#include "app/HintWindow.h"
#include "core/Abort.h"
#include "core/Exception.h"
#include "core/ScopeExit.h"
#include "numtext/DecimalSeparators.h"
#include "platform/ErrorSink.h"
#include "platform/Guarded.h"
#include "platform/QtText.h"

#include <QAbstractEventDispatcher>
#include <QCursor>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QStyleFactory>

#include <algorithm>

TApplication* Application = nullptr;

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv), FTitle(TitleFromExecutable(argc > 0 ? argv[0] : ""))
{
    Application = this;
    setStyle(QStyleFactory::create("Fusion"));
    setQuitOnLastWindowClosed(false);
    FClock.start();
    FHintTimer.setSingleShot(true); // only wakes the loop; the idle step does the work
    SetErrorSink([this](const std::exception& error) { HandleException(error); });
    ShowErrorBox = [](const AnsiString& caption, const AnsiString& text) {
        QMessageBox box(QMessageBox::Critical, ToQString(caption), ToQString(text), QMessageBox::Ok,
                        activeWindow());
        box.exec();
    };
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] { Idle(); });
    SetQtLanguage(QLocale::system());
}

TApplication::~TApplication()
{
    SetErrorSink(nullptr);
    Application = nullptr;
}

AnsiString TApplication::TitleFromExecutable(std::string_view path)
{
    const auto slash = path.find_last_of('/');
    AnsiString name(slash == std::string_view::npos ? path : path.substr(slash + 1));
    name = name.substr(0, name.find('.'));
    for (std::size_t i = 1; i < name.size(); ++i) {
        auto b = static_cast<unsigned char>(name[i]);
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDF))
            b += 0x20;
        else if (b == 0xA8) // Ё
            b = 0xB8;
        name[i] = static_cast<char>(b);
    }
    return name;
}

bool TApplication::SetQtLanguage(const QLocale& locale)
{
    if (FQtTexts)
        removeTranslator(FQtTexts.get());
    FQtTexts = std::make_unique<QTranslator>();
    if (!FQtTexts->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        FQtTexts.reset();
        return false;
    }
    installTranslator(FQtTexts.get());
    return true;
}

void TApplication::AddForm(TForm* form)
{
    FForms.push_back(form);
}

void TApplication::RemoveForm(TForm* form)
{
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
}

void TApplication::Idle()
{
    Guarded([this] { UpdateHint(); });
    Guarded([this] { UpdateActions(); });
}

void TApplication::UpdateHint()
{
    if (!FHintWindow)
        FHintWindow = std::make_unique<THintWindow>();
    const QPoint cursor = QCursor::pos();
    QWidget* under = widgetAt(cursor);
    if (under == FHintWindow.get())
        return;
    QWidget* control = ShowHint && under ? HintControlFor(under) : nullptr;
    AnsiString text = control ? HintTextFor(control) : AnsiString();
    if (text.empty())
        control = nullptr;

    const long long now = FClock.elapsed();
    const bool moved = FLastPointer && *FLastPointer != cursor;
    FLastPointer = cursor;
    FHintState.SetTimings(HintTimings);
    FHintState.Update(now, control, moved);
    // No hint while a button is held, as during a drag over a chart: like a press, the
    // drag keeps the hint away until the mouse reaches another control.
    if (mouseButtons() != Qt::NoButton)
        FHintState.Cancel();
    if (FHintState.Shown()) {
        if (!FHintWindow->isVisible() || FHintWindow->Text() != text)
            FHintWindow->ActivateHint(cursor, text);
    } else if (FHintWindow->isVisible()) {
        FHintWindow->hide();
    }
    const long long deadline = FHintState.NextDeadline();
    if (deadline >= 0)
        FHintTimer.start(static_cast<int>(std::max(0LL, deadline - now)));
    else
        FHintTimer.stop();
}

void TApplication::UpdateActions()
{
    // Forms may be added while handlers run; visit those present now.
    const std::vector<TForm*> forms = FForms;
    for (TForm* form : forms) {
        if (!form->isVisible() || !form->isEnabled())
            continue;
        for (TButton* button : form->findChildren<TButton*>())
            if (button->Action() && button->isVisible())
                button->Action()->Update();
    }
}

const THintWindow* TApplication::HintWindow() const
{
    return FHintWindow && FHintWindow->isVisible() ? FHintWindow.get() : nullptr;
}

int TApplication::Run()
{
    if (TForm* main = MainForm())
        main->Show();
    return exec();
}

AnsiString TApplication::ErrorBoxText(const AnsiString& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + '.';
    return message;
}

AnsiString TApplication::ErrorBoxText(const std::exception& error)
{
    const auto* own = dynamic_cast<const Exception*>(&error);
    return ErrorBoxText(own ? own->Message() : AnsiString(error.what()));
}

void TApplication::HandleException(const std::exception& error)
{
    if (dynamic_cast<const EAbort*>(&error))
        return; // a silent stop

    AnsiString text = ErrorBoxText(error);
    // One user action may fail the same way several times over (the list reports every
    // row a click changes, and each report replots): the user sees that failure once.
    if (std::find(FPendingErrors.begin(), FPendingErrors.end(), text) != FPendingErrors.end())
        return;
    FPendingErrors.push_back(std::move(text));
    // Shown once the failed handler has returned to the loop, so that a paint or a
    // mouse handler is never re-entered from inside itself.
    QMetaObject::invokeMethod(this, [this] { ShowPendingErrors(); }, Qt::QueuedConnection);
}

void TApplication::ShowPendingErrors()
{
    if (FShowingErrors)
        return;
    FShowingErrors = true;
    // A box that fails to show must not stop every later one.
    const TScopeExit done([this] { FShowingErrors = false; });
    while (!FPendingErrors.empty()) {
        const AnsiString text = FPendingErrors.front();
        FPendingErrors.pop_front();
        ShowErrorBox(FTitle, text);
    }
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    const QEvent::Type type = event->type();
    // A press takes away the hint, also one still waiting to appear: a chart dragged
    // straight after the mouse arrived gets no hint over its rubber band.
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress) {
        FHintState.Cancel();
        if (FHintWindow)
            FHintWindow->hide();
    }
    // The last net: handlers catch their own exceptions, this catches any that slip through.
    bool handled = false;
    Guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

bool TApplication::event(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        ReadLocaleSeparators();
    return QApplication::event(event);
}
