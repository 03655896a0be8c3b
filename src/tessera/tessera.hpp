// Tessera: the one header a host includes.
#pragma once

#include "tessera/platform/runtime/error.hpp"
#include "tessera/version.hpp"
