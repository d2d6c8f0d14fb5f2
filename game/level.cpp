// Reading a level file into the city grid.
#include "gpc_temp.h"

namespace __MORVANE__ {

double LoadLevel(double level) {
    DIM(city, kCityTiles, kCityTiles);
    DynStr line;
    for (double y = 0; y < kCityTiles; ++y) {
        GETFILE(LevelFileName_Str(level), y, line);
        ReadLevelRow(line, y);
    }
    MarkRoadEdges();
    return 0;
}

}  // namespace __MORVANE__
