#include "ui/Startup.h"

int main(int argc, char *argv[]) { return RunArmorwright(argc, argv); }
