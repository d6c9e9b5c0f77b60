#pragma once

// Makes the rental list re-read its rows, when it exists. The rental window calls it after
// every completed rental or return.
void RefreshLeaseList();
