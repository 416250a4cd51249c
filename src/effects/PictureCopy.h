// A picture browsed from outside the picture folder is copied into it, so that the path a
// save stores ("pic\" and the file's name) names a file the next start finds.
#pragma once
#include <string>

// Copies `picked` to `target`, making the folder if it is missing. Nothing is copied when
// `target` is that same file or already holds the same bytes; a different file there is
// replaced only when the user agrees, and false means they did not. A failed copy throws,
// naming `target` and the system's reason.
bool CopyPictureInto(const std::wstring& picked, const std::wstring& target);
