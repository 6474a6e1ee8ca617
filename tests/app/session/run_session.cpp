// tessel_session: one whole session of Tessel21.exe on a data folder, for a
// machine without a person at it: it clicks through the splash and the
// start window, types the corners of a rectangle, makes the subsets XP
// ready, saves them into the output folder and says Done; it also leaves a
// picture of each window there.
//
//   tessel_session PROGRAM DATA OUTPUT [maxlat maxlon minlat minlon]
#include "session.h"
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4 && argc != 8) {
        fprintf(stderr, "usage: tessel_session PROGRAM DATA OUTPUT [maxlat maxlon minlat minlon]\n");
        return 2;
    }
    SessionPlan plan;
    plan.program = argv[1];
    plan.dataFolder = argv[2];
    std::string output = argv[3];
    CreateDirectoryA(output.c_str(), nullptr);
    plan.maxlat = argc == 8 ? argv[4] : "53.2";
    plan.maxlon = argc == 8 ? argv[5] : "6";
    plan.minlat = argc == 8 ? argv[6] : "51.5";
    plan.minlon = argc == 8 ? argv[7] : "3.5";
    plan.xpready = true;
    plan.pictureFolder = output;
    for (const char* file : {"new_apt.dat", "new_nav.dat", "new_fix.dat"}) plan.saves.push_back(output + "\\" + file);

    SessionResult result = RunSession(plan);
    for (const std::string& message : result.messages) printf("message: %s\n", message.c_str());
    if (!result.reachedMainWindow || result.saves.size() != 3 || !result.ended) {
        fprintf(stderr, "tessel_session: the session did not reach its end\n");
        return 1;
    }
    printf("subsets and pictures of the windows in %s\n", output.c_str());
    return 0;
}
