// Claiming disk space for bytes before they are written, so that a full disk is met by the call
// that wants the space and not by a later write of bytes already accepted.
//
// A claim reserves the file's blocks without changing its length (fallocate with
// FALLOC_FL_KEEP_SIZE): writing into them later needs no further space. Not every file system can
// reserve; a caller then has to write through to find out.
#pragma once

#include <cstdint>

namespace tessera::platform {

enum class Claim { kClaimed, kNoRoom, kUnsupported };

// Reserves the bytes [from, to) of the open file `fd`. Answers kNoRoom for a full disk or quota,
// kUnsupported where the file system cannot reserve; raises any other failure as the runtime's
// file error.
Claim ClaimSpace(int fd, int64_t from, int64_t to);

// Gives back what a claim reserved past the file's end, when it reached up to `claimed_to`. For a
// file its writer holds: one that another program lengthens at this moment may lose that tail.
// Best effort: when it fails, only the space stays taken.
void ReleaseSpacePastEnd(int fd, int64_t claimed_to) noexcept;

}  // namespace tessera::platform
