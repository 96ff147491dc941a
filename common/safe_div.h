#pragma once

// x ÷ d when the divisor is positive, else 0: months or series without days give 0.
inline double safeDiv(double x, double d) {
    return d > 0 ? x / d : 0.0;
}
