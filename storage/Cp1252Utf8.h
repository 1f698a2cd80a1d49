#pragma once

// The Windows-1252 mapping lives in engine/base; this name stays for the editor's includes.
#include "engine/base/Cp1252.h"
