#include "ui/Startup.h"

int main(int argc, char *argv[]) { return aw::RunArmorwright(argc, argv); }
