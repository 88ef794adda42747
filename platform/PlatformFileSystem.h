#pragma once
#include <memory>

#include "engine/FileSystem.h"

// The file system of the platform this program was built for.
std::unique_ptr<TFileSystem> CreatePlatformFileSystem();
