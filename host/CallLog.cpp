#include "host/CallLog.h"

static bool startsWithWord(const std::string& line, const std::string& word) {
    return line.compare(0, word.size(), word) == 0 && (line.size() == word.size() || line[word.size()] == ' ');
}

std::size_t CallLog::count(const std::string& operation) const {
    std::size_t n = 0;
    for (const auto& line : lines_) n += startsWithWord(line, operation) ? 1 : 0;
    return n;
}

std::vector<std::string> CallLog::with(const std::string& operation) const {
    std::vector<std::string> found;
    for (const auto& line : lines_)
        if (startsWithWord(line, operation)) found.push_back(line);
    return found;
}
