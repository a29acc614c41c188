// The Help > Online commands: this build works offline, and says so.
#pragma once

class TWindow;

// Each shows one information box captioned "Quillo!", owned by parent, and returns when the
// player has read it. None of them touches the network.
void ShowCheckForUpdates(TWindow* parent);  // Check the Internet for updates
void ShowDecryptUpdate(TWindow* parent);    // Decrypt an update that you've downloaded
void ShowWebSite(TWindow* parent);          // Quillo! web site
