// Memory of a sampled surface per grid node: an explicit surface sampled on
// grids of 200x200 to 800x800 nodes, with and without its two partial
// surfaces, each in a process of its own; the slope of the peak resident size
// between the smallest and the largest grid is the cost of one node.
// Prints the figures; not a Google Benchmark.
#include "core/Globals.h"
#include "graph/Cls9.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

// The peak resident size of this process in bytes (VmHWM).
long PeakResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6)) * 1024;
    return -1;
}

// Samples the surface in a child process; its peak resident size.
long PeakOfSurface(int grid, bool partials) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        ResetProgramState();
        auto g = Cls9::Init(1, "", GraphType::Surface3D, CoordType::Cartesian, "x", "y",
                            "sin(x)*cos(y)+x^2", grid, grid, -3, 3, -3, 3, 1, 0, 0, 0, 1, 1, 3, 3);
        g->FunForm = FunForm::Explicit;
        g->ShowSurPX = g->ShowSurPY = partials;
        const long peak = g->GetPoints() ? PeakResidentBytes() : -1;
        if (write(pipeEnds[1], &peak, sizeof peak) != static_cast<ssize_t>(sizeof peak)) _exit(1);
        _exit(0);
    }
    close(pipeEnds[1]);
    long peak = -1;
    if (read(pipeEnds[0], &peak, sizeof peak) != static_cast<ssize_t>(sizeof peak)) peak = -1;
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return peak;
}

} // namespace

int main() {
    for (bool partials : {true, false}) {
        long peaks[4] = {};
        const int grids[4] = {200, 400, 600, 800};
        for (int k = 0; k < 4; ++k) {
            peaks[k] = PeakOfSurface(grids[k], partials);
            std::printf("%s %dx%d: peak resident %ld bytes\n", partials ? "with partials" : "surface only",
                        grids[k], grids[k], peaks[k]);
        }
        const double nodes = 801.0 * 801.0 - 201.0 * 201.0;
        std::printf("%s: %.1f bytes per grid node\n", partials ? "with partials" : "surface only",
                    static_cast<double>(peaks[3] - peaks[0]) / nodes);
    }
    return 0;
}
