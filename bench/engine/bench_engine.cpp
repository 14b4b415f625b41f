// Conversions per second of the price notation, against strtod + snprintf("%.2f")
// as the floor that a plain C conversion would cost. Prints one line per figure;
// each figure is the median of several timed rounds.
#include "PriceNotation.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

using namespace ondara;

namespace {

volatile double g_sinkDouble;
volatile std::size_t g_sinkSize;

double medianRate(const std::function<void()> &round, std::size_t conversionsPerRound, int rounds = 9)
{
    std::vector<double> rates;
    for (int r = 0; r < rounds; ++r) {
        const auto begin = std::chrono::steady_clock::now();
        round();
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - begin;
        rates.push_back(double(conversionsPerRound) / seconds.count());
    }
    std::sort(rates.begin(), rates.end());
    return rates[rates.size() / 2];
}

} // namespace

int main()
{
    // Prices as traders type and see them: 0.01 to 5000.00 and their fractions.
    std::vector<double> prices;
    std::vector<std::string> decimals;
    std::vector<std::string> fractions;
    for (int i = 0; i < 100000; ++i) {
        const double price = ((i * 7919) % 500000 + 1) / 100.0;
        prices.push_back(price);
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.2f", price);
        decimals.emplace_back(buffer);
        fractions.push_back(Num2Frac(price).find('/') == std::string::npos ? "12 3/8" : Num2Frac(price));
    }
    const std::size_t n = prices.size();

    // The floor: one plain C parse and one plain C format per price.
    const double floorRate = medianRate([&] {
        char buffer[32];
        for (std::size_t i = 0; i < n; ++i) {
            const double price = std::strtod(decimals[i].c_str(), nullptr);
            g_sinkSize = std::size_t(std::snprintf(buffer, sizeof buffer, "%.2f", price));
        }
    }, n);

    const double parseRate = medianRate([&] {
        for (const std::string &text : decimals)
            g_sinkDouble = parseNumber(text).value_or(0);
    }, n);
    const double frac2NumRate = medianRate([&] {
        for (const std::string &text : fractions)
            g_sinkDouble = Frac2Num(text);
    }, n);
    const double num2FracRate = medianRate([&] {
        for (double price : prices)
            g_sinkSize = Num2Frac(price).size();
    }, n);
    const double hashRate = medianRate([&] {
        for (double price : prices)
            g_sinkSize = formatMask(price, Mask::HashDot00)->size();
    }, n);
    const double zeroRate = medianRate([&] {
        for (double price : prices)
            g_sinkSize = formatMask(price, Mask::ZeroDot00)->size();
    }, n);

    std::printf("%-28s %14s %16s\n", "conversion", "per second", "time vs floor");
    const auto line = [&](const char *name, double rate) {
        std::printf("%-28s %14.0f %15.2fx\n", name, rate, floorRate / rate);
    };
    line("floor: strtod + snprintf", floorRate);
    line("parseNumber", parseRate);
    line("Frac2Num", frac2NumRate);
    line("Num2Frac", num2FracRate);
    line("mask \"#.00\"", hashRate);
    line("mask \"0.00\"", zeroRate);
    return 0;
}
