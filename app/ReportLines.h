#pragma once
#include <string>

// The file a change-list line names: the text before the first " - ". A
// folder whose name holds " - " is cut there too, as the line cannot tell.
std::string LinePath(const std::string& Line);

// "Delete File "path"?"
std::string DeleteFilePrompt(const std::string& Path);

// "Directory "dir" already listed."
std::string AlreadyListedWarning(const std::string& Dir);
