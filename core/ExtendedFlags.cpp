#include "core/ExtendedFlags.h"

#if KELVORIN_EXTENDED_HARDWARE

namespace {
constexpr struct {
    unsigned Flag;
    int Hardware;
} kHardwareFlags[] = {{efInvalid, FE_INVALID}, {efZeroDivide, FE_DIVBYZERO}, {efOverflow, FE_OVERFLOW},
    {efUnderflow, FE_UNDERFLOW}, {efInexact, FE_INEXACT}};
} // namespace

unsigned ExtendedFlags()
{
    const int raised = std::fetestexcept(FE_ALL_EXCEPT);
    unsigned flags = 0;
    for (const auto& f : kHardwareFlags)
        if (raised & f.Hardware)
            flags |= f.Flag;
    return flags;
}

void RaiseExtendedFlags(unsigned flags)
{
    int hardware = 0;
    for (const auto& f : kHardwareFlags)
        if (flags & f.Flag)
            hardware |= f.Hardware;
    if (hardware)
        std::feraiseexcept(hardware);
}

TExtendedFlagsHold::TExtendedFlagsHold() { std::feholdexcept(&FSaved); }
TExtendedFlagsHold::~TExtendedFlagsHold() { std::fesetenv(&FSaved); }
void TExtendedFlagsHold::UseDefaultModes() { std::fesetenv(FE_DFL_ENV); }

#else

unsigned ExtendedFlags() { return SoftExtended::Flags; }
void RaiseExtendedFlags(unsigned flags) { SoftExtended::Raise(flags); }

TExtendedFlagsHold::TExtendedFlagsHold() : FSaved(SoftExtended::Flags) { SoftExtended::Flags = 0; }
TExtendedFlagsHold::~TExtendedFlagsHold() { SoftExtended::Flags = FSaved; }
void TExtendedFlagsHold::UseDefaultModes() {}

#endif
