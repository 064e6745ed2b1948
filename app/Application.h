#pragma once
// The application object: the title, the forms, the idle step that updates the
// hint and the commands whenever the event queue runs empty, and the error box
// that every exception escaping a handler ends in.
#include "app/HintState.h"
#include "core/AnsiString.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QTranslator>

#include <deque>
#include <exception>
#include <functional>
#include <optional>
#include <vector>

class TForm;
class THintWindow;

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    // The executable's file name without its folder, cut at its first ".", every
    // letter after the first in lower case.
    static AnsiString TitleFromExecutable(std::string_view path);
    const AnsiString& Title() const { return FTitle; }

    // Loads Qt's own texts (the buttons and questions of its dialogs) in the locale's
    // language where Qt has them, English otherwise; start-up takes the user's locale.
    // Answers whether they were found.
    bool SetQtLanguage(const QLocale& locale);

    bool ShowHint = true;
    // When hints come and go; read at every idle step.
    THintTimings HintTimings;

    // Forms register themselves when created; the first becomes the main form.
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);
    TForm* MainForm() const { return FForms.empty() ? nullptr : FForms.front(); }
    const std::vector<TForm*>& Forms() const { return FForms; }

    // One idle step: update the hint, then let every command linked to a visible
    // control of a visible, enabled form update itself.
    void Idle();

    // Shows the main form centred and runs the event loop until it closes.
    int Run();

    // Reports an exception in the error box once control is back in the loop, which then
    // goes on; a failure already waiting to be shown with the same text is not shown again.
    void HandleException(const std::exception& error);
    // The error box's text for a message: "." appended when its last character sorts after ".".
    static AnsiString ErrorBoxText(const AnsiString& message);
    // The error box's text for an exception.
    static AnsiString ErrorBoxText(const std::exception& error);
    // Shows one error box; replaceable so that tests can watch the boxes instead.
    std::function<void(const AnsiString& caption, const AnsiString& text)> ShowErrorBox;

    // The hint window, while a hint is up.
    const THintWindow* HintWindow() const;

protected:
    bool notify(QObject* receiver, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void UpdateHint();
    void UpdateActions();
    void ShowPendingErrors();

    AnsiString FTitle;
    std::vector<TForm*> FForms;
    THintState FHintState;
    std::optional<QPoint> FLastPointer; // where the idle step last saw the mouse
    std::unique_ptr<THintWindow> FHintWindow;
    QTimer FHintTimer;
    QElapsedTimer FClock;
    std::deque<AnsiString> FPendingErrors;
    std::unique_ptr<QTranslator> FQtTexts;
    bool FShowingErrors = false;
};

// The one application object of the process.
extern TApplication* Application;
