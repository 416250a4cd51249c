// A value the program keeps in a one-row table of its own in the settings database (the
// last pointer effect, the language). The table is made by the first write, so a database
// laid out before it existed still starts as it always did, and older copies of the
// program, which never read it, still read the file.
#pragma once
#include <string>

struct OwnTable {
    const char* table;   // its row has key 1 in column <table>ID
    const char* column;  // the value's column, a text
};

// The stored value, or empty when the table or its row is missing.
std::wstring ReadOwnValue(const OwnTable& own, const std::string& dbFile);
// Stores the value, making the table when it is missing.
void WriteOwnValue(const OwnTable& own, const std::wstring& value, const std::string& dbFile);
