// tessera call --batch: a script drives objects through JSON lines.
//
// Each input line is one request, each answered by one output line:
//   {"new":"CTextFile","as":"f"}                      a new object named f: a class, "Collection",
//                                                      "MensTrans", "MensRect", "MensPoint", or
//                                                      "Canvas" with "size":[w,h]
//   {"call":"f.OpenFile","args":[0]}                   a member of a named object; "as" names an
//                                                      object result
//   {"call":"GTool.ParaGib","args":["a;;b;",";",3]}    a member of a class, as on the command line
//   {"let":"t.Factor","value":2.5}                     a property write
//   {"dialog":"r","type":"-1","into":"edDx"}           user input on the dialog r has open ("click",
//                                                      "page", "key", "close", "activate")
//   {"call":"r.dialog.RasterLaenge"}                   the open dialog's members and controls
//   {"inspect":"r"}                                    an object's state
//   {"host":"r","GetPbAndTrans":[{"ref":"pb"},{"ref":"t"}]}   the host's answer to r's question
//   {"at_yield":{...}}                                 a request for the next pending-message round
//   {"locale":"en-US"}, {"resources":{"13201":""}}     settings for the rest of the batch
// Arguments are JSON values; {"ref":"f"} passes a named object, {"date":45356.5} a date and
// {"missing":true} a left-out optional. A by-reference argument naming an object is rebound to
// what the call left in it. Each answer lists the message boxes shown under "msgboxes" and the
// events raised under "events", both in order; objects live until the end of the input.
#pragma once

#include <istream>
#include <ostream>

namespace tessera::cli {

// Answers every request of `in`; 0 when the input could be read to its end.
int RunBatch(std::istream& in, std::ostream& out);

}  // namespace tessera::cli
