// What libtessera.so exports: the library is built with hidden symbols, and the classes and
// functions of its installed headers carry TESSERA_API, so that a host sees the public interface
// and nothing of the internals behind it.
#pragma once

#define TESSERA_API __attribute__((visibility("default")))
