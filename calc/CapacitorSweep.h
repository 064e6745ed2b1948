#pragma once
// The coupling-capacitor sweep: for every Мн from From to To in steps of Step, the
// attenuation 20·log10(Мн) in dB and the capacitance 159 / (sqrt(Мн² − 1)·f·Rc) in µF.
// Arithmetic runs in extended precision; every result is rounded to a double.
// Invalid operation, division by zero and overflow raise EInvalidOp, EZeroDivide, EOverflow.
#include <cstdint>
#include <vector>

struct TSweepInputs {
    double Rc;   // grid-leak resistance, kΩ
    double F;    // lower cut-off frequency, Hz
    double Step; // step of Мн
    double From; // first Мн
    double To;   // last Мн
};

struct TSweepRow {
    double Mn;
    double Attenuation; // dB
    double Capacitance; // µF
};

// The most rows one sweep may list; a sweep that would list more raises ETooManyRows.
constexpr std::int64_t kMaxSweepRows = 1'000'000;

// (to − from) / step rounded half to even; EInvalidOp beyond 64 bits.
std::int64_t SweepQuotient(double from, double to, double step);
// The progress bar's Max: the low 32 bits of SweepQuotient as a signed number.
// A negative result is the caller's to refuse.
std::int32_t SweepProgressMax(double from, double to, double step);

double SweepAttenuation(double mn);
double SweepCapacitance(double mn, double f, double rc);
// The next Мн: the sum rounded to a double, so rounding errors accumulate row by row.
double NextMn(double mn, double step);

// All rows while From ≤ Мн ≤ To, Мн accumulated from From; empty when none qualifies.
// Raises ETooManyRows before producing any row when the sweep would exceed
// kMaxSweepRows, including a step too small to move Мн at all.
std::vector<TSweepRow> CalcSweepRows(const TSweepInputs& inputs);
