#pragma once
// The test play's page: "TestPlay/TestPlay.htm" in the program folder, and
// the address the browser is handed for it.

#include <QString>

namespace TestPlay {

QString pagePath();

// The page's proper file:// address, so folders with blanks or Japanese
// names open too.
QString address();

} // namespace TestPlay
