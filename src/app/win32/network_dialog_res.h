// Template and control numbers of "Network Considerations" (5800-5849), shared by the dialog
// template (read by the resource compiler, hence plain macros) and the dialog class.
#pragma once

/* TNetworkConsiderations; "&Ok" is IDOK */
#define IDD_NETWORK 5800
#define IDC_FILE_LOCKING 5801
#define IDC_AUTO_SYNC 5802
#define IDC_SYNC_EVERY 5803
#define IDC_SYNC_MINUTES 5804
#define IDC_SYNC_UNIT 5805
