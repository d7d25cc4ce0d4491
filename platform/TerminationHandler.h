#pragma once
// Turns SIGTERM and SIGINT into an orderly close of the application's windows,
// so the program ends as if its main window were closed.
void InstallTerminationHandler();
