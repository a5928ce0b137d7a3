#pragma once

// The executable's path has one helper, in the platform folder.
#include "win/platform/ExecutablePath.h"
