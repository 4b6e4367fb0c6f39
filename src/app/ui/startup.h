// Start-up of the program.
#pragma once

// The start procedure: resets the shared state, prepares the working folder, creates the deck
// window and the main window and asks for a deck. Returns once the question was answered.
void StartProgram();

// Makes sure ./programstuff exists, writes the component files, prepares the toolkit.
void PrepareEnvironment();
// Creates ./programstuff when no entry of that name exists, and says so when it cannot.
void EnsureDataFolder();
