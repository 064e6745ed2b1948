#include "app/Action.h"

#include "core/StoreChanged.h"

#include <algorithm>

TAction::~TAction()
{
    // Controls may outlive their window's commands (child controls go last).
    for (TActionClient* client : FClients)
        client->ActionDestroyed();
}

void TAction::SetCaption(const AnsiString& caption)
{
    StoreChanged(FCaption, caption, [this] { Changed(); });
}

void TAction::SetEnabled(bool enabled)
{
    StoreChanged(FEnabled, enabled, [this] { Changed(); });
}

void TAction::SetHint(const AnsiString& hint)
{
    StoreChanged(FHint, hint, [this] { Changed(); });
}

bool TAction::Execute()
{
    if (!FEnabled || !OnExecute)
        return false;
    OnExecute(this);
    return true;
}

void TAction::Update()
{
    if (OnUpdate)
        OnUpdate(this);
}

void TAction::AddClient(TActionClient* client)
{
    FClients.push_back(client);
    client->ActionChanged(*this);
}

void TAction::RemoveClient(TActionClient* client)
{
    FClients.erase(std::remove(FClients.begin(), FClients.end(), client), FClients.end());
}

void TAction::Changed()
{
    for (TActionClient* client : FClients)
        client->ActionChanged(*this);
}

TAction* TActionList::Add(AnsiString name)
{
    FActions.push_back(std::make_unique<TAction>(std::move(name)));
    return FActions.back().get();
}
