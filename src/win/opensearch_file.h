#pragma once
// Reads an OpenSearch description file with the system's XML reader
// (XmlLite), loaded on first use: the program does not import it.
#include <string>

#include "search/opensearch.h"

namespace vask::win {

// What the file describes. Throws std::runtime_error with a message for the
// user when the file cannot be read, is over MaxOpenSearchFileBytes, is not
// well-formed XML (no DTDs, at most 64 elements deep) or is no OpenSearch
// description.
OpenSearchDescription readOpenSearchFile(const std::wstring& path);

}  // namespace vask::win
