// What the "Network Considerations" dialog shows and accepts, apart from any window system: the
// three network settings as its controls show them, and what closing the dialog changes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/settings.h"

namespace quindle::app {

inline constexpr std::string_view kNetworkCaption = "Network Considerations";
inline constexpr std::string_view kNetworkErrorTitle = "Error";
inline constexpr std::string_view kSyncMinutesInvalid =
    "Please enter a number of minutes from 0 to 98.  0 turns the automatic synchronization off.";
inline constexpr int kMaxDialogSyncMinutes = 98;

// "&File Locking of Macro Files", "&Automatic Synchronization Updating" and the minutes of
// "Synchronize every" N "minutes"; the last two are enabled only while file locking is ticked.
struct NetworkForm {
  bool fileLocking = false;
  bool autoSync = true;
  std::string minutes;
};

enum class NetworkField { Minutes };

NetworkForm FormOfNetwork(const Settings& settings);

struct NetworkChoice {
  bool networkMode = false;
  bool autoSync = true;
  int minutes = 10;
};

struct NetworkResult {
  std::optional<NetworkChoice> choice;  // set: apply it and close
  std::string_view message;             // otherwise: tell the user
  NetworkField focus = NetworkField::Minutes;
};

// "&Ok": the minutes must be a whole number from 0 to 98. Closing otherwise applies the values
// all the same; a minute count that is not one keeps the one in `current`.
NetworkResult AcceptNetworkForm(const NetworkForm& form);
NetworkChoice ChoiceOnClose(const NetworkForm& form, const Settings& current);

// What the main window must do after a choice was stored.
struct NetworkChanges {
  bool syncTimerOn = false;     // SyncTimer runs from now on (else it is stopped)
  bool resetSyncCount = false;  // its minute count starts again
  bool prepareSync = false;     // "Network Mode" was switched on: the sync file is read
};

// Stores `choice` in `settings`: a minute count of 0 turns "Auto Sync" off. The periodic reload
// runs only while both "Network Mode" and "Auto Sync" are on, as it does from start-up.
NetworkChanges ApplyNetworkChoice(const NetworkChoice& choice, Settings& settings);

}  // namespace quindle::app
