// tessera call --batch: a script drives objects through JSON lines.
//
// Each input line is one request, each answered by one output line:
//   {"new":"CTextFile","as":"f"}                      a new object (or "Collection") named f
//   {"call":"f.OpenFile","args":[0]}                   a member of a named object
//   {"call":"GTool.ParaGib","args":["a;;b;",";",3]}    a member of a class, as on the command line
// Arguments are JSON values; {"ref":"f"} passes a named object, {"date":45356.5} a date and
// {"missing":true} a left-out optional. A by-reference argument naming an object is rebound to
// what the call left in it. Each answer lists the message boxes shown during its call under
// "msgboxes"; objects live until the end of the input.
#pragma once

#include <istream>
#include <ostream>

namespace tessera::cli {

// Answers every request of `in`; 0 when the input could be read to its end.
int RunBatch(std::istream& in, std::ostream& out);

}  // namespace tessera::cli
