#pragma once
// Phase shift of the coupling capacitor over the frequencies 1 … kPhasePoints Hz.

// Points of a phase response: one per frequency n = 1 … 199 Hz.
constexpr int kPhasePoints = 199;

// arctan(159 / (Rc·Сс·f)) · 360/π at the frequency f in Hz, in extended precision,
// rounded to a double. Rc·Сс = 0 raises EZeroDivide.
double PhaseShift(double rc, double cc, double f);
