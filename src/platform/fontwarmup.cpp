#include "fontwarmup.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

FontConfigurationWarmUp::FontConfigurationWarmUp()
{
    try {
        m_reader = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread to spare: Qt reads the configuration itself, as it always can.
    }
}

FontConfigurationWarmUp::~FontConfigurationWarmUp()
{
    finish();
}

void FontConfigurationWarmUp::finish()
{
    if (m_reader.joinable())
        m_reader.join();
}
