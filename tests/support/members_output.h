#pragma once
// Reads the member models that `quorvane-cli members` and tests/members/ModelReference.java
// print: per group "G<TAB>index<TAB>label" (with "<TAB>*" on the initial group), then
// "E<TAB>index<TAB>entry" (with "<TAB>key" from the reference when asked for), blocks headed
// "# NAME" when there are several names.

#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qv::test {

struct PrintedGroup {
    std::string label;
    std::vector<std::string> entries;
    std::vector<std::string> keys;  // only from the reference with --keys
};

struct PrintedModel {
    std::vector<PrintedGroup> groups;
    int initialGroup = -1;  // -1 when no group line carries the mark
    int marks = 0;          // how many group lines carry it
    std::vector<std::string> otherLines;  // "Class not found : ...", "! ..." and anything unexpected

    std::vector<std::string> labels() const
    {
        std::vector<std::string> result;
        for (const PrintedGroup& g : groups)
            result.push_back(g.label);
        return result;
    }
    std::size_t entryCount() const
    {
        std::size_t n = 0;
        for (const PrintedGroup& g : groups)
            n += g.entries.size();
        return n;
    }
    const PrintedGroup* group(std::string_view label) const
    {
        for (const PrintedGroup& g : groups)
            if (g.label == label)
                return &g;
        return nullptr;
    }
};

// The blocks of an output in order, each with the name of its "# NAME" header (the empty
// name for output without headers).
inline std::vector<std::pair<std::string, PrintedModel>> parseMemberBlocks(const std::string& text,
                                                                           bool withKeys = false)
{
    std::vector<std::pair<std::string, PrintedModel>> blocks;
    std::istringstream in(text);
    std::string line;
    auto current = [&]() -> PrintedModel& {
        if (blocks.empty())
            blocks.emplace_back();
        return blocks.back().second;
    };
    auto field = [](const std::string& l, std::size_t& pos) {
        const std::size_t tab = l.find('\t', pos);
        std::string value = l.substr(pos, tab == std::string::npos ? std::string::npos : tab - pos);
        pos = tab == std::string::npos ? l.size() + 1 : tab + 1;
        return value;
    };
    while (std::getline(in, line)) {
        if (line.starts_with("# ")) {
            blocks.emplace_back(line.substr(2), PrintedModel{});
        } else if (line.starts_with("G\t")) {
            PrintedModel& model = current();
            std::size_t pos = 2;
            const std::string index = field(line, pos);
            if (index != std::to_string(model.groups.size()))
                throw std::runtime_error("group line out of order: " + line);
            PrintedGroup group;
            group.label = field(line, pos);
            if (pos <= line.size()) {
                if (line.substr(pos) != "*")
                    throw std::runtime_error("unexpected group line: " + line);
                model.initialGroup = static_cast<int>(model.groups.size());
                ++model.marks;
            }
            model.groups.push_back(std::move(group));
        } else if (line.starts_with("E\t")) {
            PrintedModel& model = current();
            if (model.groups.empty())
                throw std::runtime_error("entry before any group: " + line);
            PrintedGroup& group = model.groups.back();
            std::size_t pos = 2;
            if (field(line, pos) != std::to_string(group.entries.size()))
                throw std::runtime_error("entry line out of order: " + line);
            if (withKeys) {
                const std::size_t tab = line.rfind('\t');
                group.entries.push_back(line.substr(pos, tab - pos));
                group.keys.push_back(line.substr(tab + 1));
            } else {
                group.entries.push_back(line.substr(pos));
            }
        } else {
            current().otherLines.push_back(line);
        }
    }
    return blocks;
}

// The one model of an output without headers.
inline PrintedModel parseMemberModel(const std::string& text)
{
    auto blocks = parseMemberBlocks(text);
    if (blocks.size() > 1)
        throw std::runtime_error("more than one block in: " + text.substr(0, 200));
    return blocks.empty() ? PrintedModel{} : std::move(blocks.front().second);
}

}  // namespace qv::test
