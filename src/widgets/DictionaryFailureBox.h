#pragma once

namespace ortelia {

// Shows the two messages of a dictionary that failed to load (dictionaryFailureMessages()), in
// order, under the program title: for the windows that load or search a dictionary.
void showDictionaryFailure();

} // namespace ortelia
