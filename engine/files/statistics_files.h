#pragma once

namespace platform {
class PathResolver;
}

namespace engine {

// True when the Data folder holds a statistics file "Stat_e" + NN + ".dat" with a
// two-digit number NN from 00 to 99. Files that merely match "Stat_e*.dat" do not count.
bool AnyStatisticsFile(const platform::PathResolver& paths);

}  // namespace engine
