#pragma once
// One whole run of the client, from its words to the text it writes.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/es/csv_output.h"
#include "tools/es/folder_walk.h"
#include "tools/es/search_query.h"

namespace standin {

// Turns a last-write time (100 ns units since 1601, UTC) into local time.
using LocalTimeOf = std::function<CivilTime(uint64_t)>;

// `roots` as normalizeRoots gives them.
std::string searchToCsv(const Query& query, const std::vector<std::string>& roots, FolderSource& source,
                        const LocalTimeOf& localTime);

}  // namespace standin
