#pragma once
// Runs a parsed statement on a data source, as Jet would: names that are no columns of the
// table are parameters without a value, a text never equals a number, and texts compare
// without regard to letter case or trailing blanks.
#include <string>
#include <vector>

#include "ado/DataSource.h"
#include "ado/JetStatement.h"
#include "ado/Table.h"

namespace adostandin {

// The rows of a SELECT (one column); an UPDATE gives an empty result and changes the source.
// parameters fill the markers in order. Throws AdoError.
Table runStatement(DataSource& source, const JetStatement& statement,
                   const std::vector<std::string>& parameters);

// A whole table, opened by name.
Table openTable(DataSource& source, const std::string& name);

}  // namespace adostandin
