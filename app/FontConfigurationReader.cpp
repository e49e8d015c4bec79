#include "FontConfigurationReader.h"

#ifdef DOPUSK_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontConfigurationReader::FontConfigurationReader()
{
#ifdef DOPUSK_HAVE_FONTCONFIG
    // FcInit loads the configuration once for the process; a later call returns at once.
    m_thread = std::thread([] { FcInit(); });
#endif
}

void FontConfigurationReader::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}
