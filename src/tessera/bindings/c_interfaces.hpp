// The C declarations of the classes' dual interfaces, the header a C host includes beside the
// component ABI's (tessera_interfaces.h): for each class its identity, its default interface's
// identity and vtable, and its events interface's identity. Written from the dispatch tables, so a
// host compiled against it calls each member through the slot the library puts it in.
#pragma once

#include <string>

namespace tessera {

std::string CInterfacesHeader();

}  // namespace tessera
