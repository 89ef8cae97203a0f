#include "banner.h"

#include <cmath>

int bannerNumber(double unit)
{
    const double value = unit * 6.0 + 1.0;
    const double down = std::floor(value);
    const double fraction = value - down;
    int n = static_cast<int>(down);
    if (fraction > 0.5 || (fraction == 0.5 && n % 2 != 0))
        ++n;
    return n;
}

BannerPick bannerPickFor(int number)
{
    if (number == 7)
        return BannerPick::AsBuilt;
    return number % 2 != 0 ? BannerPick::Cobrand : BannerPick::FullBrand;
}
