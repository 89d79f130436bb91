#include "foods/OwnFoodTable.h"

const char* COwnFoodTable::GetTableName() const {
    return "OwnFood";
}
