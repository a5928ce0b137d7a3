#pragma once

// Kept for code not yet moved to the owning wrappers' one header, where UniqueHandle now lives.
#include "win/platform/UniqueResources.h"
