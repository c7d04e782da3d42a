#pragma once
// The guide's types as a new database gets them.
class Database;

// Adds the default guide types when "TipoGuida" is empty; true when it did.
bool ScriviTipiGuidaDefault(Database& db);
