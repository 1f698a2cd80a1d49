// The core test programs take the environment's locale as the editor does (QApplication
// applies it to the C library at start-up), so a run under LANG=de_DE.UTF-8 or tr_TR.UTF-8
// shows any formatting, parsing or case mapping that follows the process locale.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char **argv)
{
    std::setlocale(LC_ALL, "");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
