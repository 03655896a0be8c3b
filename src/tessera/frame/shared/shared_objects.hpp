// The library's shared objects: one ResbankStrings and one MensGlobal per loaded library.
//
// Both come into being on first need and live until the library is unloaded (or a test releases
// them). The shared GTool instance belongs to this set too; it lives beside its class in tool/,
// because the frame cannot know the classes built on it.
//
// Creating any public class except CKalFKt, and loading the raster file picker, calls
// EnsureSharedResbankStrings: the first such call creates the object and attaches it to
// "Resbank.dll"; later calls find it. Like the rest of the library this runs on the host's UI
// thread and takes no lock.
#pragma once

#include <memory>

#include "tessera/frame/companions/mensura/mens_global.hpp"
#include "tessera/frame/companions/resbank/resbank_strings.hpp"

namespace tessera::frame {

inline constexpr std::string_view kResbankLibraryFile = "Resbank.dll";

// Creates and attaches the shared object when it does not exist yet. A catalogue that cannot be
// read raises Attach's error and leaves the object absent, so the next creation tries again.
resbank::ResbankStrings& EnsureSharedResbankStrings();

// The shared object, or nullptr while no class has created it.
std::shared_ptr<resbank::ResbankStrings> SharedResbankStringsIfAny();

// The shared object, created on first call.
mensura::MensGlobal& SharedMensGlobal();

// Drops the shared objects, as unloading the library does.
void ReleaseSharedObjects();

}  // namespace tessera::frame
