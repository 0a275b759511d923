#pragma once

#include <array>
#include <cmath>

namespace brainlark
{

/// A number that carries its derivatives by N parameters along (forward-mode automatic differentiation).
/// The scheduler's formulas are written once over a number type: with double they schedule, with Dual they
/// also give the gradient of a prediction by every weight, which the optimizer descends.
template <int N> struct Dual {
    double value = 0;
    std::array<double, N> slope{};

    Dual() = default;
    Dual(double v) : value(v) {} // NOLINT: constants mix freely with weights in the formulas
    static Dual variable(double v, int index)
    {
        Dual d(v);
        d.slope[index] = 1;
        return d;
    }

    Dual& operator+=(const Dual& o)
    {
        value += o.value;
        for (int i = 0; i < N; ++i)
            slope[i] += o.slope[i];
        return *this;
    }
    Dual& operator-=(const Dual& o)
    {
        value -= o.value;
        for (int i = 0; i < N; ++i)
            slope[i] -= o.slope[i];
        return *this;
    }
    Dual& operator*=(const Dual& o)
    {
        for (int i = 0; i < N; ++i)
            slope[i] = slope[i] * o.value + value * o.slope[i];
        value *= o.value;
        return *this;
    }
    Dual& operator/=(const Dual& o)
    {
        const double inverse = 1.0 / o.value;
        for (int i = 0; i < N; ++i)
            slope[i] = (slope[i] - value * inverse * o.slope[i]) * inverse;
        value *= inverse;
        return *this;
    }
    Dual operator-() const
    {
        Dual d(-value);
        for (int i = 0; i < N; ++i)
            d.slope[i] = -slope[i];
        return d;
    }
    /// The same value with its derivatives scaled by `factor` (the chain rule of a one-argument function).
    Dual chained(double newValue, double factor) const
    {
        Dual d(newValue);
        for (int i = 0; i < N; ++i)
            d.slope[i] = slope[i] * factor;
        return d;
    }
};

template <int N> Dual<N> operator+(Dual<N> a, const Dual<N>& b)
{
    return a += b;
}
template <int N> Dual<N> operator-(Dual<N> a, const Dual<N>& b)
{
    return a -= b;
}
template <int N> Dual<N> operator*(Dual<N> a, const Dual<N>& b)
{
    return a *= b;
}
template <int N> Dual<N> operator/(Dual<N> a, const Dual<N>& b)
{
    return a /= b;
}
template <int N> Dual<N> operator+(Dual<N> a, double b)
{
    return a += Dual<N>(b);
}
template <int N> Dual<N> operator-(Dual<N> a, double b)
{
    return a -= Dual<N>(b);
}
template <int N> Dual<N> operator*(Dual<N> a, double b)
{
    return a *= Dual<N>(b);
}
template <int N> Dual<N> operator/(Dual<N> a, double b)
{
    return a /= Dual<N>(b);
}
template <int N> Dual<N> operator+(double a, const Dual<N>& b)
{
    return Dual<N>(a) += b;
}
template <int N> Dual<N> operator-(double a, const Dual<N>& b)
{
    return Dual<N>(a) -= b;
}
template <int N> Dual<N> operator*(double a, const Dual<N>& b)
{
    return Dual<N>(a) *= b;
}
template <int N> Dual<N> operator/(double a, const Dual<N>& b)
{
    return Dual<N>(a) /= b;
}
template <int N> bool operator<(const Dual<N>& a, const Dual<N>& b)
{
    return a.value < b.value;
}
template <int N> bool operator>(const Dual<N>& a, const Dual<N>& b)
{
    return a.value > b.value;
}

template <int N> Dual<N> exp(const Dual<N>& x)
{
    const double e = std::exp(x.value);
    return x.chained(e, e);
}
template <int N> Dual<N> log(const Dual<N>& x)
{
    return x.chained(std::log(x.value), 1.0 / x.value);
}
/// x^y for a positive x, both carrying derivatives.
template <int N> Dual<N> pow(const Dual<N>& x, const Dual<N>& y)
{
    return exp(y * log(x));
}
template <int N> Dual<N> pow(const Dual<N>& x, double y)
{
    const double p = std::pow(x.value, y);
    return x.chained(p, y * std::pow(x.value, y - 1));
}
template <int N> Dual<N> pow(double x, const Dual<N>& y)
{
    const double p = std::pow(x, y.value);
    return y.chained(p, p * std::log(x));
}

/// The plain value of a number of either kind.
inline double valueOf(double x)
{
    return x;
}
template <int N> double valueOf(const Dual<N>& x)
{
    return x.value;
}

} // namespace brainlark
