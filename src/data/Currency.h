#pragma once

#include <QString>
#include <compare>
#include <cstdint>

// Money: a fixed-point amount in ten-thousandths, never a floating-point sum.
class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency FromRaw(std::int64_t raw) { Currency c; c.m_raw = raw; return c; }
    static constexpr Currency FromUnits(std::int64_t units) { return FromRaw(units * Scale); }
    static Currency FromDouble(double value);  // rounded to the nearest ten-thousandth
    // Decimal text such as "-12.3456" read exactly; nullopt-like failure reported through ok.
    static Currency FromString(const QString &text, bool *ok = nullptr);

    constexpr std::int64_t Raw() const { return m_raw; }
    double ToDouble() const { return static_cast<double>(m_raw) / Scale; }
    QString ToString(int decimals = 4) const;  // "12.3400", rounded half to even at fewer decimals

    // To whole cents, halves to the even cent (10.005 -> 10.00, 10.015 -> 10.02).
    Currency RoundToCents() const;

    constexpr Currency operator-() const { return FromRaw(-m_raw); }
    constexpr Currency operator+(Currency o) const { return FromRaw(m_raw + o.m_raw); }
    constexpr Currency operator-(Currency o) const { return FromRaw(m_raw - o.m_raw); }
    Currency &operator+=(Currency o) { m_raw += o.m_raw; return *this; }
    Currency &operator-=(Currency o) { m_raw -= o.m_raw; return *this; }
    Currency operator*(std::int64_t n) const { return FromRaw(m_raw * n); }
    // Product with a rate or quantity, rounded to the nearest ten-thousandth (halves to even).
    Currency MulDouble(double factor) const;
    constexpr auto operator<=>(const Currency &) const = default;

private:
    std::int64_t m_raw = 0;
};

// Rounds raw ten-thousandths to a multiple of step (100 = cents), halves to even.
std::int64_t RoundHalfEven(std::int64_t raw, std::int64_t step);
