#include <QApplication>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

int main(int argc, char **argv)
{
    // Discovery and direct runs happen outside CTest's environment: never need a display,
    // and pin the zone and locale the expectations are written for.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("TZ"))
        setenv("TZ", "Europe/Amsterdam", 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    tzset();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
