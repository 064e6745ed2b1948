#pragma once
// What a given coupling capacitance does: the sweep's formula turned round. C in µF,
// f in Hz, Rc in kΩ, computed in extended precision and rounded to doubles; invalid
// operation, division by zero and overflow raise EInvalidOp, EZeroDivide, EOverflow.

// The Мн a capacitance gives at f: sqrt(1 + (159 / (C·f·Rc))²).
double CapacitanceMn(double c, double f, double rc);
// The frequency at which a capacitance gives the Мн: 159 / (sqrt(Мн² − 1)·Rc·C).
double FrequencyForMn(double mn, double c, double rc);

struct TCapacitorEffect {
    double Mn;
    double Attenuation; // dB at f, as the sweep writes it
    double Phase;       // at f, as the phase chart plots it
    double Frequency;   // Hz at which the capacitance gives the row's Мн
};

// Everything the capacitance c gives in place of a row's capacitance: at the row's f and
// Rc, and the frequency for the row's Мн.
TCapacitorEffect CapacitorEffect(double c, double rowMn, double f, double rc);
