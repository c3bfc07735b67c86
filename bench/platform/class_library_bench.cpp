// Timings of the class library reader on the JDK this machine uses (see run.sh).
//
//   class_library_bench warm NAME [REPEATS]  first look-up and listing of NAME in an open
//                                            library (median of 25 libraries), then the
//                                            same again once cached
//   class_library_bench all                  every class of the library looked up and its
//                                            public members listed, in one process

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/ClassLibrary.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The process's peak resident size (VmHWM), in kB.
long peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:"))
            return std::stol(line.substr(6));
    return -1;
}

// Looks the class up and writes its signature texts into `sink`; returns the line count.
std::size_t listMembers(qv::ClassReflection& library, const std::string& name, std::string& sink)
{
    const auto cls = library.forName(name);
    std::size_t lines = 0;
    for (const auto& m : cls->getConstructors()) {
        sink += m.toString();
        sink += '\n';
        ++lines;
    }
    for (const auto& m : cls->getMethods()) {
        sink += m.toString();
        sink += '\n';
        ++lines;
    }
    return lines;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The first look-up of `name` in a library that is open and in use, over `libraries`
// fresh libraries; then, in the last one, the same look-up `repeats` times once cached.
int warm(const std::string& name, int repeats, int libraries)
{
    std::vector<double> first, cached;
    std::size_t lines = 0;
    std::string sink;
    std::shared_ptr<qv::ClassLibrary> library;
    for (int i = 0; i < libraries; ++i) {
        library = qv::openDefaultClassLibrary();
        listMembers(*library, "java.lang.Object", sink);
        const auto start = Clock::now();
        lines = listMembers(*library, name, sink);
        first.push_back(millisecondsSince(start));
    }
    for (int i = 0; i < repeats; ++i) {
        sink.clear();
        const auto start = Clock::now();
        listMembers(*library, name, sink);
        cached.push_back(millisecondsSince(start));
    }
    std::printf("%s: %zu lines; first look-up and listing in an open library: median %.3f ms over %d libraries; "
                "again once cached: median %.3f ms over %d\n",
                name.c_str(), lines, median(first), libraries, median(cached), repeats);
    return 0;
}

int all()
{
    const auto start = Clock::now();
    const auto library = qv::openDefaultClassLibrary();
    const auto names = library->listClassNames();
    const double listed = millisecondsSince(start);
    std::size_t lines = 0, bytes = 0, failures = 0;
    std::string sink;
    for (const auto& name : names) {
        sink.clear();
        try {
            lines += listMembers(*library, name, sink);
        } catch (const std::exception& e) {
            if (++failures <= 5)
                std::fprintf(stderr, "%s: %s\n", name.c_str(), e.what());
        }
        bytes += sink.size();
    }
    const double total = millisecondsSince(start);
    std::printf("%zu classes (names listed in %.1f ms), %zu signature lines (%zu bytes), %zu failures, %.1f ms in all, "
                "peak resident %ld kB\n",
                names.size(), listed, lines, bytes, failures, total, peakResidentKb());
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() >= 2 && args[0] == "warm")
            return warm(args[1], args.size() >= 3 ? std::stoi(args[2]) : 1000, 25);
        if (args.size() == 1 && args[0] == "all")
            return all();
    } catch (const std::exception& e) {
        std::cerr << "class_library_bench: " << e.what() << '\n';
        return 2;
    }
    std::cerr << "usage: class_library_bench warm NAME [REPEATS] | all\n";
    return 2;
}
