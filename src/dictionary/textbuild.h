#pragma once

#include <QStringList>

namespace Dictionary {

class DictionaryStore;
enum class BuildMode;

// Builds the Static dictionary from lines of free text (typed, pasted or read from a private
// dictionary): each line is cleaned, cut into parts of at most clipLength characters, and each
// part becomes a title of source 'C'. Replace empties the Static dictionary and its context
// dictionary first; Add extends them. The maximum number of entries is not checked. Ends with the
// index built and sorted and the entry counts shown.
void BuildFromText(DictionaryStore &store, const QStringList &lines, BuildMode mode, int clipLength);

} // namespace Dictionary
