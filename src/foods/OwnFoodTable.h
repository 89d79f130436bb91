#pragma once

#include "foods/FoodTable.h"

// The diary file's table "OwnFood": foods the user added, with the shipped table's four columns,
// so that the same search filter and sort texts find and order them. They live in the diary file
// because the shipped foods file is replaced whenever a newer one is installed.
class COwnFoodTable : public CFoodTable {
public:
    const char* GetTableName() const override;
};
