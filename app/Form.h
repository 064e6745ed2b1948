#pragma once
// A window: caption, client size at the design resolution, border style,
// position when shown, the default button pressed by Enter, Escape that closes
// any window but the main one, and the modal show.
#include "core/AnsiString.h"

#include <QWidget>

class TButton;

enum TBorderStyle { bsSizeable, bsToolWindow };
enum TPosition { poDesigned, poDesktopCenter };

enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

class TForm : public QWidget {
public:
    // Registers the form with the application; the first form is the main form.
    explicit TForm(const AnsiString& name);
    ~TForm() override;

    void SetCaption(const AnsiString& caption);
    AnsiString Caption() const;
    // The client area in design pixels (scaled to the screen).
    void SetClientSize(int width, int height);
    void SetBorderStyle(TBorderStyle style);
    TPosition Position = poDesktopCenter;

    TButton* DefaultButton() const { return FDefaultButton; }
    void SetDefaultButton(TButton* button) { FDefaultButton = button; }

    // Shows the form at its position (centred on the desktop).
    void Show();

    // Shows the form while every other form is disabled, until its modal result
    // is set; then hides it and returns the result.
    int ShowModal();
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int result);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TButton* FDefaultButton = nullptr;
    int FModalResult = mrNone;
    bool FModal = false;
    class QEventLoop* FModalLoop = nullptr;
};
