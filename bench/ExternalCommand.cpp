#include "ExternalCommand.h"

#include <cstdlib>

#include <sys/resource.h>

namespace picdec::bench {

namespace {

double ChildrenSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

double TimeCommand(const std::string& command)
{
    const double before = ChildrenSeconds();
    const int result = std::system(command.c_str());
    return result == 0 ? ChildrenSeconds() - before : -1.0;
}

}  // namespace picdec::bench
