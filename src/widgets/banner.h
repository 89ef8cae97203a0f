#pragma once

// Which of the two stacked promotional labels of the study window is brought to the front at
// start-up.
enum class BannerPick { Cobrand, FullBrand, AsBuilt };

// n = unit * 6 + 1 rounded half to even, so 1 to 7: odd numbers up to 5 pick the co-brand offer,
// even numbers the fully branded one, and 7 leaves the labels as the window was built.
int bannerNumber(double unit);
BannerPick bannerPickFor(int number);
