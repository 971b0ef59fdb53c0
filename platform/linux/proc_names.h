#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace tocko {
// The name of a running process from /proc: the last path component of its
// first argument, else its command name. Control characters become spaces.
// Absent when no such process exists or it has no name.
std::optional<std::string> processName(int32_t pid, const std::string& procRoot = "/proc");
}  // namespace tocko
