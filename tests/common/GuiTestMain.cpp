// Test main for the GUI suites: offscreen platform, Berlin time zone, one
// QApplication for the whole run.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <ctime>

int main(int argc, char** argv)
{
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
