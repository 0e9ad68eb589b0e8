#pragma once
// A search's lines as the texts window's document: each line keeps the colour, size and
// style the search set before it.
#include "models/styled_lines.h"
#include "tables/search.h"

namespace sidora::models {

StyledDocument search_document(const tables::SearchResult& result);

}  // namespace sidora::models
