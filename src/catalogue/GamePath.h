#pragma once

// Paths into a game folder copied from Windows: backslashes for separators, and names whose letter
// case often differs from the one the game's code writes.

#include <string>
#include <string_view>
#include <vector>

// The path with every backslash turned into "/".
std::string ToLocalSeparators(std::string_view path);

// The path without the separators at its end, "/" kept for the root.
std::string TrimTrailingSeparators(std::string path);

// Whether two file names are equal ignoring the case of ASCII letters.
bool SameFileName(std::string_view a, std::string_view b);

// Finds the existing file or folder that `path` names, taking for each component that does not
// exist as written the entry of its folder whose name matches without regard to case (the first
// in byte order when several do). Returns true and the path found; false when a component has no
// match, with `resolved` holding the path as far as it could be resolved and the rest as written.
bool ResolvePathIgnoringCase(std::string_view path, std::string& resolved);

// Whether the path names an existing folder.
bool IsFolder(const std::string& path);

// The full paths of a folder's sub-folders (or, with `folders` false, of its other entries), sorted
// by name; none when the folder cannot be read.
std::vector<std::string> FolderEntries(const std::string& folder, bool folders);
