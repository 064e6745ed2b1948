#pragma once
// The exception flags of extended-precision arithmetic, sticky until cleared as the
// hardware's are: invalid operation, division by zero, overflow, underflow and inexact.
// Traps are never enabled; the code reads the flags after a computation.
#include <cstdint>

#if defined(__x86_64__) && __LDBL_MANT_DIG__ == 64 && !defined(KELVORIN_SOFT_EXTENDED)
#define KELVORIN_EXTENDED_HARDWARE 1
#include <cfenv>
#else
#define KELVORIN_EXTENDED_HARDWARE 0
#endif

enum : unsigned {
    efInvalid = 0x01,
    efZeroDivide = 0x04,
    efOverflow = 0x08,
    efUnderflow = 0x10,
    efInexact = 0x20,
    efAll = efInvalid | efZeroDivide | efOverflow | efUnderflow | efInexact,
};

namespace SoftExtended {
// The flags raised by the software arithmetic on this thread.
inline thread_local unsigned Flags = 0;
inline void Raise(unsigned flags) { Flags |= flags; }
} // namespace SoftExtended

// The flags of the arithmetic TExtended runs on: the hardware's status word on the
// hardware path, the software flags otherwise.
unsigned ExtendedFlags();
void RaiseExtendedFlags(unsigned flags);

// Holds the caller's flags (on the hardware path its whole floating-point environment)
// and starts with none raised; gives them back when it ends, so a computation is judged
// by its own flags only. The arithmetic always rounds to nearest at 64 bits: on the
// hardware path UseDefaultModes also resets a control word the caller may have changed.
class TExtendedFlagsHold {
public:
    TExtendedFlagsHold();
    ~TExtendedFlagsHold();
    TExtendedFlagsHold(const TExtendedFlagsHold&) = delete;
    TExtendedFlagsHold& operator=(const TExtendedFlagsHold&) = delete;

    static void UseDefaultModes();

private:
#if KELVORIN_EXTENDED_HARDWARE
    std::fenv_t FSaved;
#else
    unsigned FSaved;
#endif
};
