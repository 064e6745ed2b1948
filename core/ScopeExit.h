#pragma once
// Runs an action when the scope ends, however it ends, so that what a drawing or a
// calculation set up for its own time is put back even when it throws.
#include <utility>

template <class F>
class TScopeExit {
public:
    explicit TScopeExit(F action) : FAction(std::move(action)) {}
    ~TScopeExit()
    {
        if (FArmed)
            FAction();
    }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;

    // The scope ended as planned: the action is not wanted.
    void Release() { FArmed = false; }

private:
    F FAction;
    bool FArmed = true;
};
