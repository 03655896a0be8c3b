// The host's file-dialog filter, "description|pattern|description|pattern", as the name filters
// of a QFileDialog ("description (pattern pattern)").
#pragma once

#include <QStringList>
#include <string_view>

namespace tessera::qt {

// Each description loses a trailing "(...)" of its own, as Qt shows the patterns in their place;
// patterns separated by ";" become separated by spaces. A description without its pattern is
// dropped, and an empty filter gives no entry (the dialog then shows every file).
QStringList NameFilters(std::string_view filter);

}  // namespace tessera::qt
