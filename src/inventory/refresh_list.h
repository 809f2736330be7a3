// Rebuilding the program list from the uninstall entries of the machine and of the current user.
#pragma once

#include "inventory/uninstall_entry.h"
#include "ports/program_list.h"
#include "ports/registry.h"
#include "ports/text_case.h"
#include "services/error_report.h"

namespace orv {


struct InventoryPorts {
    Registry& registry;
    ProgramList& list;
    TextCase& textCase;
    ErrorReporter& reporter;
};

// Empties the list and adds one unticked row per entry that has both a display name and an uninstall
// command: the 64-bit view first, then the 32-bit view, then the current user's entries.
void RefreshList(const InventoryPorts& ports);

}  // namespace orv
