// The three repair commands, bound to the main window's buttons.
#pragma once

void OnManualSettingsClicked();  // opens Internet Options
void OnRepairIeClicked();        // writes and starts the IE reset scripts
void OnRepairNetworkClicked();   // asks, then writes and starts the network reset
