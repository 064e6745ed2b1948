#pragma once
// Binary search over a condition that, once true, stays true.

// The first of lo … hi − 1 at which the condition holds, or hi when it holds at none.
template <class I, class Condition>
I FirstTrue(I lo, I hi, Condition holds)
{
    while (lo < hi) {
        const I mid = lo + (hi - lo) / 2;
        if (holds(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}
