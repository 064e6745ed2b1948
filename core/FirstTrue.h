#pragma once
// Binary search over a condition that, once true, stays true.
#include <algorithm>

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

// The same, searched outward from lo by doubling strides and then halving: it costs
// little when the answer lies near lo, however far hi is.
template <class I, class Condition>
I FirstTrueNear(I lo, I hi, Condition holds)
{
    if (lo >= hi || holds(lo))
        return lo;
    I below = lo; // the condition does not hold here
    I stride = 1;
    while (stride < hi - below && !holds(below + stride)) {
        below += stride;
        stride *= 2;
    }
    return FirstTrue(below + 1, below + std::min(stride, hi - below), holds);
}
