#pragma once
// A command: a caption and an enabled state shared by the controls linked to it,
// an execute handler and an update handler that re-evaluates the state when idle.
#include "core/AnsiString.h"

#include <functional>
#include <memory>
#include <vector>

class TAction;
using TActionEvent = std::function<void(TAction*)>;

// What a control linked to a command is told when the command changes.
class TActionClient {
public:
    virtual void ActionChanged(const TAction& action) = 0;
    // The command is being destroyed; the client must forget it.
    virtual void ActionDestroyed() = 0;

protected:
    ~TActionClient() = default;
};

class TAction {
public:
    explicit TAction(AnsiString name) : FName(std::move(name)) {}
    ~TAction();
    TAction(const TAction&) = delete;
    TAction& operator=(const TAction&) = delete;

    const AnsiString& Name() const { return FName; }

    const AnsiString& Caption() const { return FCaption; }
    void SetCaption(const AnsiString& caption);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    // The hint of the controls linked to the command; empty: their container's.
    const AnsiString& Hint() const { return FHint; }
    void SetHint(const AnsiString& hint);

    TActionEvent OnExecute;
    TActionEvent OnUpdate;

    // Runs the execute handler; false when the command is disabled or has none.
    bool Execute();
    // Runs the update handler (the idle step asks for this).
    void Update();

    void AddClient(TActionClient* client);
    void RemoveClient(TActionClient* client);

private:
    void Changed();

    AnsiString FName;
    AnsiString FCaption;
    AnsiString FHint;
    bool FEnabled = true;
    std::vector<TActionClient*> FClients;
};

// The commands of a window.
class TActionList {
public:
    TAction* Add(AnsiString name);

private:
    std::vector<std::unique_ptr<TAction>> FActions;
};
