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

namespace vantor::shell {

// The extension a save dialog adds to a name typed without one, for the Qt
// filter entry chosen in it: the entry's one extension "*.ext" (listed in
// one or several cases) gives "ext"; several extensions, or any-file
// patterns, give none.
QString default_suffix_for(const QString& qt_filter_entry);

}  // namespace vantor::shell
