// Reads the system's font configuration on a second thread while the application
// connects to the display. Loading it (the configuration files and the font
// caches) is a quarter of the program's start-up and needs nothing of Qt, so it is
// started before the application object is made; Qt's font database then finds it
// loaded. wait() must come before the first font is used.
#pragma once

#include <thread>

class FontConfigurationReader {
public:
    FontConfigurationReader();
    ~FontConfigurationReader() { wait(); }
    FontConfigurationReader(const FontConfigurationReader&) = delete;
    FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;

    void wait();

private:
    std::thread m_thread;
};
