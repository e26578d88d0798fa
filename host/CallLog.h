// The stand-in host's record of every call the module made on its
// interfaces, one line each: the operation, then the names it concerns.
#pragma once

#include <string>
#include <vector>

class CallLog {
public:
    void add(std::string line) { lines_.push_back(std::move(line)); }
    const std::vector<std::string>& lines() const { return lines_; }
    void clear() { lines_.clear(); }
    void restore(std::vector<std::string> lines) { lines_ = std::move(lines); }
    // How many lines start with `operation` (the whole first word).
    std::size_t count(const std::string& operation) const;
    // Lines whose first word is `operation`, in order.
    std::vector<std::string> with(const std::string& operation) const;

private:
    std::vector<std::string> lines_;
};
