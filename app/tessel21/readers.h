// The three readers, methods of the start window initWin.
#pragma once
#include "records.h"

namespace tessel21 {

extern "C" {
void getAptData(InitWin* window);
void getNavData(InitWin* window);
void getFixDat(InitWin* window);
}

} // namespace tessel21
