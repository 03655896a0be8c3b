// Every occurrence of a text in another, overlapping ones included, found in one pass.
//
// The parameter lists and the reverse search ask for occurrences again one character after each
// hit; searching afresh from there costs up to the search text's length per character on texts
// such as "aaaa…". The pass here (Knuth, Morris and Pratt) never steps back in the text, so it
// costs one step per character of the text and of the search text, whatever they hold.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tessera {

class Occurrences {
 public:
  explicit Occurrences(std::u32string_view find);

  // Calls `found(start)`, start counted from 0, for each occurrence in `text` from the front, as
  // long as `found` answers true. An empty search text occurs at every position, the end too.
  template <typename Found>
  void Scan(std::u32string_view text, Found found) const {
    if (find_.empty()) {
      for (std::size_t start = 0; start <= text.size(); ++start) {
        if (!found(start)) return;
      }
      return;
    }
    std::size_t matched = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      while (matched > 0 && text[i] != find_[matched]) matched = border_[matched - 1];
      if (text[i] == find_[matched]) ++matched;
      if (matched < find_.size()) continue;
      if (!found(i + 1 - matched)) return;
      matched = border_[matched - 1];
    }
  }

 private:
  std::u32string_view find_;
  // border_[k]: the length of the longest proper prefix of find_[0..k] that also ends it.
  std::vector<std::size_t> border_;
};

}  // namespace tessera
