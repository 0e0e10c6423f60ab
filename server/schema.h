// The database schema as a list of migration steps: step n brings a database
// from version n-1 to version n. A new version appends a step; shipped steps
// never change, so every existing database can be brought forward.
#pragma once

#include <vector>

namespace quarlo::server {

const std::vector<const char*>& SchemaSteps();

}  // namespace quarlo::server
