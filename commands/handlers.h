// The three repair commands, bound to the main window's buttons. Each runs
// to its end inside the click and reports nothing; a failed step is passed
// over in silence.
#pragma once

void OnManualSettingsClicked();  // opens Internet Options
void OnRepairIeClicked();        // writes and starts the IE reset scripts
void OnRepairNetworkClicked();   // asks, then writes and starts the network reset

// The network repair's question, "该操作将重置您的网络设定，是否继续？", and
// its style: Yes and No buttons with the information icon.
extern const char kRepairNetworkQuestion[];
constexpr unsigned int kRepairNetworkQuestionStyle = 0x44;  // MB_YESNO | MB_ICONINFORMATION
