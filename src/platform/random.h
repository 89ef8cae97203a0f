#pragma once

#include <cstdint>
#include <random>

// Every random choice in the program draws from one engine that callers pass in, so that a test
// can seed it and know each draw in advance.
using RandomEngine = std::mt19937;

// A number uniform in [0, 1), made from one 32-bit draw so that a seeded sequence gives the same
// numbers with every standard library.
inline double randomUnit(RandomEngine &engine)
{
    return static_cast<double>(engine()) / 4294967296.0;
}

// A whole number from 0 to n - 1, each equally likely.
inline int randomBelow(RandomEngine &engine, int n)
{
    return static_cast<int>(randomUnit(engine) * n);
}
