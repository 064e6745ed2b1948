#pragma once
// When a hint appears and disappears, given which hinted control is under the
// mouse over time. Kept free of timers and windows so the timing can be checked alone.

struct THintTimings {
    int Pause = 500;      // before a hint is shown
    int ShortPause = 0;   // before the next control's hint, while one is up
    int HidePause = 2500; // how long a hint stays up
};

class THintState {
public:
    explicit THintState(THintTimings timings = {}) : FTimings(timings) {}
    // New pauses count from the next control the mouse reaches; a new stay at once.
    void SetTimings(const THintTimings& timings) { FTimings = timings; }

    // The hinted control under the mouse at the given time (milliseconds); null for none.
    // A hint follows the mouse: a control that comes under a pointer that has not moved
    // since the last update (a window opening beneath it) gets none until it moves.
    void Update(long long now, const void* target, bool pointerMoved = true);
    // A key or mouse button was pressed: the hint goes and stays away until the mouse
    // reaches another control.
    void Cancel();
    // The control whose hint is up; null when none is.
    const void* Shown() const { return FShown; }
    // The time at which Update should run again to show or hide a hint; -1 when nothing is due.
    long long NextDeadline() const;

private:
    THintTimings FTimings;
    const void* FTarget = nullptr;
    long long FSince = 0;
    int FDelay = 0;
    const void* FShown = nullptr;
    long long FShownAt = 0;
    bool FExpired = false;
};
