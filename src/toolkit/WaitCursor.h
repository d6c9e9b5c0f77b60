#pragma once

// While the data layer waits for another program's lock, the windows show a wait cursor; it
// goes back to normal as soon as the user interface gets control again.
namespace WaitCursor {

// Makes every wait of the data layer show the wait cursor. Called once at start-up.
void showDuringDataWaits();

} // namespace WaitCursor
