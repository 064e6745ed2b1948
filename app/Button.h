#pragma once
// A push button, optionally linked to a command whose caption, enabled state and hint it
// shows. Disabled itself, it looks disabled in the style's colours; disabled only with
// its window (behind a modal window) it keeps its look.
#include "app/Action.h"
#include "core/AnsiString.h"

#include <QPushButton>

#include <functional>

class TButton : public QPushButton, private TActionClient {
    Q_OBJECT

public:
    explicit TButton(QWidget* parent);
    ~TButton() override;

    void SetCaption(const AnsiString& caption);
    AnsiString Caption() const;

    TAction* Action() const { return FAction; }
    void SetAction(TAction* action);

    // Makes the button the one its form presses on Enter.
    void SetDefault(bool isDefault);

    // Click handler of a button without a command.
    std::function<void()> OnClick;

protected:
    void changeEvent(QEvent* event) override;

private:
    void ActionChanged(const TAction& action) override;
    void ActionDestroyed() override { FAction = nullptr; }
    void Clicked();

    TAction* FAction = nullptr;
};
