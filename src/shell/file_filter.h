#pragma once

#include <QString>
#include <string_view>

namespace vantor::shell {

// A file-dialog filter of the core ("Name|a;b|Name2|c|") in Qt's form
// ("Name (a b);;Name2 (c)"). A name that already shows its patterns, as in
// "Bond Graf Files (*.bgf)", keeps them once; "*.*" means every file, as it
// does where the filters come from, so it becomes "*". A trailing name
// without patterns is dropped.
QString qt_file_filter(std::string_view filter);

}  // namespace vantor::shell
