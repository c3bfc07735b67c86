#include "reflection_dump.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace qv::test {

ReflectionDump parseReflectionDump(const std::string& text)
{
    ReflectionDump dump;
    std::istringstream in(text);
    std::string line;
    std::vector<std::string>* current = nullptr;
    while (std::getline(in, line)) {
        if (line.starts_with("@home ")) {
            dump.javaHome = line.substr(6);
        } else if (line.starts_with("# ")) {
            current = &dump.classes[line.substr(2)];
        } else if (line.starts_with("! ")) {
            const auto blank = line.find(' ', 2);
            dump.failures[line.substr(2, blank - 2)] = blank == std::string::npos ? "" : line.substr(blank + 1);
            current = nullptr;
        } else if (current) {
            current->push_back(line);
        }
    }
    return dump;
}

std::string runCommand(const std::string& command)
{
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot run: " + command);
    std::string output;
    std::array<char, 1 << 16> buffer;
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("command failed (status " + std::to_string(status) + "): " + command);
    return output;
}

std::vector<std::string> reflectedTexts(ClassReflection& library, const std::string& name)
{
    const auto cls = library.forName(name);
    std::vector<std::string> texts;
    for (const auto& m : cls->getConstructors())
        texts.push_back(m.toString());
    for (const auto& m : cls->getMethods())
        texts.push_back(m.toString());
    return texts;
}

std::vector<std::string> sorted(std::vector<std::string> texts)
{
    std::sort(texts.begin(), texts.end());
    return texts;
}

}  // namespace qv::test
