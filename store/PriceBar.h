#pragma once

#include <QDate>

namespace ondara {

// One day of a symbol's price history, as a price file gives it and tblPrices keeps it.
struct PriceBar
{
    QDate date;
    double open = 0;
    double high = 0;
    double low = 0;
    double close = 0;

    friend bool operator==(const PriceBar &, const PriceBar &) = default;
};

} // namespace ondara
