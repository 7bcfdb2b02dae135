// Template and control numbers of "Network Considerations" (5600-5649), shared by the dialog
// template (read by the resource compiler, hence plain macros) and the dialog class.
#pragma once

/* TNetworkConsiderations; "&Ok" is IDOK */
#define IDD_NETWORK 5600
#define IDC_FILE_LOCKING 5601
#define IDC_AUTO_SYNC 5602
#define IDC_SYNC_EVERY 5603
#define IDC_SYNC_MINUTES 5604
#define IDC_SYNC_UNIT 5605
