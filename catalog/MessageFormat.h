#pragma once
// Fills the inserts of a catalog message the way the platform's message
// formatter does: %1..%99, optionally with a printf-style format between
// exclamation marks (%1!d!, %2!u!, %1!s!, %3!04X!), %% for a percent sign,
// %n for a line break ("\r\n"), "% ", "%." and "%!" for a blank, a period and
// an exclamation mark, and %0 to end the text.
//
// Unlike the platform formatter it never reads an argument that is not
// there: an insert the caller did not supply is left as written ("%3!d!"
// stays "%3!d!"), and a format that does not suit its insert (%1!s! with an
// integer, %1!d! with a text, a malformed format) renders the insert in its
// natural form (the decimal number, the text itself).
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/CatalogInsert.h"

namespace expert::catalog {

std::string FormatCatalogMessage(std::string_view pattern, std::span<const CatalogInsert> inserts);

// The inserts a message text uses, each as written ("%1", "%2!d!"), in order
// of appearance. Escapes such as %% and %n are not inserts.
std::vector<std::string> ListInserts(std::string_view pattern);

}  // namespace expert::catalog
