// Where the pen's drawings go: the name a drawing saved by the presenter gets from the
// time it is saved, and the folder of the last drawings the pen keeps by itself, which
// the bring-back key steps through. The folder itself is the window's to read and write;
// these rules see only file names.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace pen {

// A moment of the local clock, as the system gives it.
struct LocalTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

// The file name for a drawing saved at `time`: "2026-12-08 14-03-22.png", or, while
// `taken` says that name is in use, "2026-12-08 14-03-22 (2).png", then (3) and on.
// Throws ::Exception when some thousands of names are all taken.
std::wstring SaveName(const LocalTime& time, const std::function<bool(const std::wstring&)>& taken);

// How many drawings the kept folder holds.
inline constexpr std::size_t kKeptDrawings = 20;

// The kept drawings among a folder's file names, newest first: the bring-back key's
// first press shows the first, each further press the next. Names that are not a kept
// drawing's are left out.
std::vector<std::wstring> KeptNewestFirst(const std::vector<std::wstring>& names);

struct KeepPlan {
    std::wstring name;                  // for the drawing kept now, after all the others
    std::vector<std::wstring> dropped;  // to delete, oldest first, so that kKeptDrawings remain
};
// What keeping one more drawing in a folder holding `names` takes.
KeepPlan PlanKeep(const std::vector<std::wstring>& names);

}  // namespace pen
