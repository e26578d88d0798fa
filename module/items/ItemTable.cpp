// The calculation table's one fixed list: every family of every kind.
#include "engine/CalculationTable.h"
#include "items/commands/Command.h"
#include "items/enumerations/Enumerations.h"
#include "items/menus/Menu.h"
#include "items/methods/Method.h"
#include "items/variables/Variable.h"

void FillCalculationTable(CalculationTable& table) {
    table = {};
    commands::enter(table);
    variables::enter(table);
    enumerations::enter(table);
    menus::enter(table);
    methods::enter(table);
}
