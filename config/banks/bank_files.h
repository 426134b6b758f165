#pragma once

// Builds the three banks of the open configuration in memory. An error reading a project
// file propagates, so that nothing is written and the update does not start.
void Create_Bin();
// Writes the banks built by Create_Bin into the project's bin folder; false when a bank
// file could not be written, in which case the update must not go on.
bool Save_Bin();
