#pragma once
#include <string>
#include <vector>

class TFileSystem;

// Runs qv with its arguments (without the program name); returns the exit status.
int RunQv(const std::vector<std::string>& Args, TFileSystem& Fs, bool ProgressOnStderr);
