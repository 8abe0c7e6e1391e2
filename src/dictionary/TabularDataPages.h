#pragma once

namespace ortelia {

// Gives every page the page host loads from now on the tabular data object (the dictionary pages
// and any page a user writes with one). The programs and tests that load pages call it first.
void registerTabularDataObject();

} // namespace ortelia
