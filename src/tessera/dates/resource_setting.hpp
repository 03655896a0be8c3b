// The two resource texts that are settings for the date members: 1001 switches GTool's date and
// time builders to the locale's patterns, 1258 is the pattern of CKalFKt's date builder.
#pragma once

#include <cstdint>
#include <string>

namespace tessera {

inline constexpr int32_t kLocalePatternsText = 1001;
inline constexpr int32_t kCalendarDatePatternText = 1258;

// The text of `id` from the shared resource reader. CKalFKt never creates the reader, so while no
// other class has, the text counts as empty and the fixed German order holds.
std::string ResourceSetting(int32_t id);

}  // namespace tessera
