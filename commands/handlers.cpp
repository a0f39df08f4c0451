#include "commands/handlers.h"

// Filled in with the repair commands.
void OnManualSettingsClicked() {}
void OnRepairIeClicked() {}
void OnRepairNetworkClicked() {}
