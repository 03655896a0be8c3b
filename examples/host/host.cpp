// A host built against the installed library: it must find the header, link and get an answer.
#include <cstdio>
#include <tessera/tessera.hpp>

int main() {
  const tessera::platform::RuntimeError error(tessera::platform::err::kOverflow);
  if (error.description() != "Overflow" || tessera::Version().empty()) return 1;
  std::printf("tessera %.*s\n", static_cast<int>(tessera::Version().size()), tessera::Version().data());
  return 0;
}
