#include "ui/Startup.h"

namespace aw {

} // namespace aw

int main(int argc, char *argv[]) { return aw::RunArmorwright(argc, argv); }
