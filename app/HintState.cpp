#include "app/HintState.h"

void THintState::Update(long long now, const void* target, bool pointerMoved)
{
    if (target && !pointerMoved && target != FTarget)
        target = nullptr;
    if (target != FTarget) {
        FDelay = FShown ? FTimings.ShortPause : FTimings.Pause;
        FShown = nullptr;
        FTarget = target;
        FSince = now;
        FExpired = false;
    }
    if (!FTarget)
        return;
    if (!FShown && !FExpired && now - FSince >= FDelay) {
        FShown = FTarget;
        FShownAt = now;
    }
    if (FShown && now - FShownAt >= FTimings.HidePause) {
        // Once a hint has timed out it stays away until the mouse reaches another control.
        FShown = nullptr;
        FExpired = true;
    }
}

void THintState::Cancel()
{
    FShown = nullptr;
    FExpired = true;
}

long long THintState::NextDeadline() const
{
    if (FShown)
        return FShownAt + FTimings.HidePause;
    if (FTarget && !FExpired)
        return FSince + FDelay;
    return -1;
}
