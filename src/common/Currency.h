// Fixed-point currency as the catalogue keeps prices: a 64-bit count of
// ten-thousandths.
#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>

struct Currency {
    int64_t units = 0;   // value * 10000

    static Currency fromUnits(int64_t u) { return Currency{u}; }
    // Rounds to four decimals. Throws std::invalid_argument for a text that
    // is not a number and std::out_of_range past the 64-bit range.
    static Currency fromDouble(double v);
    static Currency fromText(const QString& text);   // "1234.5", "1.0e-05", "12"
    static Currency fromVariant(const QVariant& v);  // integer, real or text

    // Statement text: optional "-", integer digits without grouping, then "."
    // and one to four digits without trailing zeros when there is a fraction.
    // Always ".", whatever the locale: 1234.5, 1234, 0.0625, -12.75.
    QString toText() const;
    double toDouble() const { return double(units) / 10000.0; }
    bool isZero() const { return units == 0; }

    friend bool operator==(Currency a, Currency b) { return a.units == b.units; }
    friend bool operator!=(Currency a, Currency b) { return a.units != b.units; }
};
