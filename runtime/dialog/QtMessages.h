// Qt's own messages on standard error. Qt talks about things a user of a
// script or of the editor cannot act on (a runtime directory it made up, a
// font folder it does not need, what an off-screen platform cannot do);
// that chatter is dropped, and every other message is written as Qt would.
#pragma once

#include <QtGlobal>
#include <string_view>

namespace quillan::dialog {

// True for a message nobody needs to see: Qt's notes about defaults it
// chose for itself and features the platform plugin lacks. Warnings about
// real trouble, and any debug output someone asked for, are kept.
bool isQtNoise(QtMsgType type, std::string_view text);

// Routes Qt's messages through isQtNoise for the rest of the process.
void installQuietMessages();

}  // namespace quillan::dialog
