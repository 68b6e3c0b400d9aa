// The XML form of a key, written by SaveXMLFile and Serialize and read by LoadXMLFile and Unserialize
// (README.md beside this file describes it).
#pragma once

#include "Tree.h"

#include <memory>
#include <string>
#include <string_view>

namespace kwdb {

// The document of key's values and sub-keys; raw puts it on one line, without indentation.
std::string WriteDocument(const Key& key, bool raw);
// A detached key holding the document's values and sub-keys, in document order; null when the text is
// not such a document, with the reason in error.
std::unique_ptr<Key> ReadDocument(std::string_view utf8, std::string& error);

} // namespace kwdb
