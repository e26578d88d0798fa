// The stand-in host's record of every call the module made on its
// interfaces, one line each: the operation, then the names it concerns.
// It records only when asked to (a trace); otherwise a call costs the host
// nothing beyond its answer.
#pragma once

#include <string>
#include <vector>

class CallLog {
public:
    void enable(bool on) { on_ = on; }
    bool enabled() const { return on_; }
    void add(std::string line) {
        if (on_) lines_.push_back(std::move(line));
    }
    void add(const char* line) {
        if (on_) lines_.emplace_back(line);
    }
    // Records the line `make` returns; makes it only when recording.
    template <class Make>
    void note(Make&& make) {
        if (on_) lines_.push_back(make());
    }
    const std::vector<std::string>& lines() const { return lines_; }
    void clear() { lines_.clear(); }
    // How many lines start with `operation` (the whole first word).
    std::size_t count(const std::string& operation) const;
    // Lines whose first word is `operation`, in order.
    std::vector<std::string> with(const std::string& operation) const;

private:
    bool on_ = false;
    std::vector<std::string> lines_;
};
