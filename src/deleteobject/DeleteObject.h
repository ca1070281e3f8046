#pragma once

namespace aggregate {

// Asks for a key and deletes that BtypHtyp row of the active object.
void DeleteBiotopTypRowByKey();

}  // namespace aggregate
