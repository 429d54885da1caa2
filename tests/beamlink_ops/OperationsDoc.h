#pragma once
// The operation table as a Markdown table, as docs/operations.md shows it.
#include <string>

#include "beamlink/Operations.h"

std::string OperationRow(const beamlink::OperationInfo& op);
std::string OperationsTable();
