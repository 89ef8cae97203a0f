#pragma once

#include <thread>

// Reads the desktop's font configuration on a second core while the application object connects
// to the display. Qt reads it on the main thread the first time a text is measured, which for
// this program comes before its window can be laid out, and it is the largest single step of a
// start; made here, it is mostly done by then.
class FontConfigurationWarmUp
{
public:
    FontConfigurationWarmUp();
    ~FontConfigurationWarmUp();

    FontConfigurationWarmUp(const FontConfigurationWarmUp &) = delete;
    FontConfigurationWarmUp &operator=(const FontConfigurationWarmUp &) = delete;

    // Waits for the reading to end. Called before the first text is measured: the main thread
    // asking on its own meanwhile would read the whole configuration a second time.
    void finish();

private:
    std::thread m_reader;
};
